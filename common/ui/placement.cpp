#include "common/ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace drive::ui {

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace drive::ui
