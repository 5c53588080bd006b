#pragma once

// The program's own pictures, drawn in code: the tool button images, the program icon and the
// two pictures of the about box.

#include <QIcon>
#include <QPixmap>

namespace dcdrive::ui {

// The images of the tool buttons.
enum class ButtonImage {
    OpenDiagram, // a folder with a speed curve
    OpenMotor, // a folder with a motor
    SaveDiagram, // a disk with a speed curve
    SaveMotor, // a disk with a motor
    SavePicture, // a disk with a picture
    Results, // a page of text
    Clear, // a page being wiped
    Chart, // axes with a speed curve
    Reset, // a grid crossed out
    Accept, // a green tick
    Cancel, // a red cross
    Calculate, // a calculator
    Exit, // an open door
};

QIcon ButtonIcon(ButtonImage image);

// The program's icon: a DC motor.
QIcon ProgramIcon();

// The about box's picture, 189 × 177 pixels: a DC motor on its base with the speed curve of a
// duty cycle.
QPixmap AboutPicture();

// The about box's small picture, 41 × 22 pixels, that closes it.
QPixmap AboutClosePicture();

} // namespace dcdrive::ui
