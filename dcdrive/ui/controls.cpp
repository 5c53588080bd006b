#include "dcdrive/ui/controls.h"

#include "dcdrive/ui/numericedit.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

namespace dcdrive::ui {

QSize CompactEdit::sizeHint() const
{
    return QSize(QLineEdit::sizeHint().width(), fontMetrics().height() + 6);
}

QSize CompactEdit::minimumSizeHint() const
{
    return QSize(QLineEdit::minimumSizeHint().width(), fontMetrics().height() + 6);
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, ButtonImage image, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setFixedSize(28, 28);
    button->setIconSize(QSize(24, 24));
    button->setIcon(ButtonIcon(image));
    if (hint)
        button->setToolTip(QString::fromUtf8(hint));
    return button;
}

QLineEdit* MakeNumericEdit(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = new CompactEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    DcKeyFilterObject::Install(edit);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* text)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

QFont FittingFont(const QFont& base, const std::function<bool(const QFont&)>& fits, qreal smallest)
{
    QFont font = base;
    for (qreal size = base.pointSizeF(); size >= smallest; size -= 0.5) {
        for (const int stretch : { 100, static_cast<int>(QFont::SemiCondensed) }) {
            font.setPointSizeF(size);
            font.setStretch(stretch);
            if (fits(font))
                return font;
        }
    }
    return font;
}

void FitFontToWindow(QWidget* window, const QSize& room)
{
    QLayout* top = window->layout();
    if (!top)
        return;
    window->ensurePolished();
    const QFont font = FittingFont(window->font(), [&](const QFont& candidate) {
        window->setFont(candidate);
        for (QLayout* layout : window->findChildren<QLayout*>())
            layout->invalidate();
        top->invalidate();
        const QSize needed = top->totalMinimumSize();
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
    window->setFont(font);
}

} // namespace dcdrive::ui
