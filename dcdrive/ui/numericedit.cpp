#include "dcdrive/ui/numericedit.h"

#include "dcdrive/data/keyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dcdrive::ui {

void DcKeyFilterObject::Install(QLineEdit* edit)
{
    edit->installEventFilter(new DcKeyFilterObject(edit));
}

bool DcKeyFilterObject::Accepts(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return DcKeyFilter(U'\b') == KeyVerdict::Accept;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString text = event.text();
    for (const char32_t ch : text.toUcs4()) {
        if (DcKeyFilter(ch) == KeyVerdict::Beep)
            return false;
    }
    return true;
}

} // namespace dcdrive::ui
