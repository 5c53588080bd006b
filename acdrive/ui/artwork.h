#pragma once

// The program's pictures, all drawn in code: the program icon, the tool button glyphs and the
// picture of the splash window.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace acdrive::ui {

enum class Glyph {
    OpenDiagram, // a folder with a tachogram
    OpenMotor, // a folder with a motor
    SavePicture, // a disk with a chart
    SaveMotor, // a disk with a motor
    SaveDiagram, // a disk with a tachogram
    OpenFile, // a folder
    Results, // a page of text
    Clear, // a page crossed out
    Tachogram, // speed line and load steps
    Pie, // a pie chart
    Bar, // a bar chart
    Sample, // a clipboard being filled
    Exit, // a door with an arrow
    Build, // a chart being drawn
    Reset, // a grid with a reset arrow
    Accept, // a green tick
    Cancel, // a red cross
};

// The program icon: the motor symbol, a circle with "M" over a tilde.
QIcon ProgramIcon();

// A tool button picture.
QIcon GlyphIcon(Glyph glyph);

// The splash picture, drawn for the given size.
QPixmap SplashPicture(const QSize& size);

} // namespace acdrive::ui
