#pragma once

namespace dcdrive {

// The DC windows that the core's operations open modally on their way. The desktop program
// shows its forms with exec() and returns when they close; whatever the user did there has
// reached the working data set by then. The batch runner and the tests supply their own.
class DcWindows {
public:
    virtual ~DcWindows() = default;

    // Shows the load diagram editor (TForm4) modally.
    virtual void ShowTachoEditor() = 0;

    // Shows the motor data window (TForm2) modally.
    virtual void ShowMotorWindow() = 0;
};

} // namespace dcdrive
