#pragma once

#include <QString>

class QWidget;

namespace drive {
class FileDialogs;
}

namespace acdrive::ui {

class TachogramChart;

// Asks for the name of a chart picture in a save dialog (filter "Точечные рисунки|*.bmp");
// empty when cancelled.
QString AskPictureName(drive::FileDialogs& dialogs);

// The file a chart picture goes to: the chosen name with ".bmp" appended, always.
QString PictureFileName(const QString& chosenName);

// Saves the chart as a Windows bitmap under PictureFileName(chosenName); a file that cannot be
// written is reported in the error box.
void SavePicture(QWidget* parent, TachogramChart& chart, const QString& chosenName);

} // namespace acdrive::ui
