#include "acdrive/ui/splashwindow.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/uitexts.h"
#include "common/ui/placement.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>

namespace acdrive::ui {
namespace {

QLabel* OverlayLabel(QWidget* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAutoFillBackground(false);
    return label;
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowIcon(ProgramIcon());
    setFixedSize(359, 291);
    setModal(true);

    QFont titleFont(QStringLiteral("DejaVu Serif"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    const char* titles[] = { kSplashTitle1, kSplashTitle2, kSplashTitle3 };
    const char* names[] = { "Label1", "Label2", "Label3" };
    for (int k = 0; k < 3; ++k) {
        QLabel* title = OverlayLabel(this, names[k], titles[k]);
        title->setFont(titleFont);
        SetTextColour(title, QColor(255, 255, 0));
        title->setGeometry(0, 14 + 24 * k, width(), 22);
    }
    QLabel* hint = OverlayLabel(this, "Label4", kSplashCloseHint);
    QFont hintFont = font();
    hintFont.setPixelSize(11);
    hint->setFont(hintFont);
    SetTextColour(hint, QColor(200, 212, 240));
    hint->setGeometry(0, height() - 22, width(), 16);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    if (picture_.size() != size())
        picture_ = SplashPicture(size());
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    accept();
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

} // namespace acdrive::ui
