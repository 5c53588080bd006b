#pragma once

#include <QColor>

class QChart;

namespace acdrive::ui {

// Chart numbers in the users' notation: the comma as decimal separator.
void ApplyRussianNumbers(QChart* chart);

// The colour of calculation method m (1 .. 6) in the comparison charts: red, lime, yellow,
// blue, aqua, purple.
QColor MethodColour(int method);

} // namespace acdrive::ui
