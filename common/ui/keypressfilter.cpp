#include "common/ui/keypressfilter.h"

#include <QApplication>
#include <QKeyEvent>

namespace drive::ui {

KeyPressFilter::KeyPressFilter(Rule accepts, QObject* parent)
    : QObject(parent)
    , accepts_(accepts)
{
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !accepts_(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        emit keyRejected();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace drive::ui
