#pragma once

class QWidget;

namespace drive::ui {

// Moves a top-level window to the middle of the screen it is on (or of the primary screen).
void CentreOnScreen(QWidget* window);

} // namespace drive::ui
