#include "dcdrive/ui/aboutbox.h"

#include "common/ui/placement.h"
#include "dcdrive/ui/artwork.h"
#include "dcdrive/ui/controls.h"
#include "dcdrive/ui/uitexts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace dcdrive::ui {
namespace {

constexpr int kWidth = 399;
constexpr int kHeight = 266;
constexpr int kMargin = 6;

// The widest of the texts in `font`, pixels.
int WidestText(const QFont& font, std::initializer_list<const char*> texts)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const char* text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(text)));
    return widest;
}

QLabel* TextLines(QWidget* parent, const QFont& font, std::initializer_list<const char*> lines)
{
    QStringList texts;
    for (const char* line : lines)
        texts.append(QString::fromUtf8(line));
    auto* label = new QLabel(texts.join(u'\n'), parent);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: black;"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->adjustSize();
    return label;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(AboutPicture());
    image1->setGeometry(kMargin, kMargin, 189, 177);

    constexpr int titleLeft = kMargin + 189 + 4;
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont = FittingFont(
        titleFont,
        [](const QFont& candidate) {
            return WidestText(candidate, { kAboutTitle1, kAboutTitle2, kAboutTitle3 })
                <= kWidth - titleLeft - 2;
        },
        7);
    QLabel* title = TextLines(this, titleFont, { kAboutTitle1, kAboutTitle2, kAboutTitle3 });
    title->setObjectName(QStringLiteral("Label1"));
    title->move(titleLeft, kMargin + 60);

    const QFont textFont = FittingFont(
        font(),
        [](const QFont& candidate) {
            return WidestText(candidate, { kAboutText1, kAboutText2, kAboutText3, kAboutText4 })
                <= kWidth - 2 * kMargin;
        },
        7);
    QLabel* text = TextLines(this, textFont, { kAboutText1, kAboutText2, kAboutText3, kAboutText4 });
    text->setObjectName(QStringLiteral("Label2"));
    text->move(kMargin, kMargin + 177 + 4);

    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(AboutClosePicture());
    image2->setGeometry(kWidth - kMargin - 41, kHeight - kMargin - 22, 41, 22);
    image2->setCursor(Qt::PointingHandCursor);
    image2->installEventFilter(this);
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->objectName() == QStringLiteral("Image2") && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace dcdrive::ui
