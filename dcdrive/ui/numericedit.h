#pragma once

#include "common/ui/keypressfilter.h"

class QKeyEvent;
class QLineEdit;

namespace dcdrive::ui {

// The key filter of the DC program's numeric edits: every typed character goes through
// DcKeyFilter; a refused one is discarded and the system's default beep sounds. Keys that type
// nothing or move between controls (arrows, Delete, Tab, Enter, Escape) and the shortcuts
// with Ctrl pass.
class DcKeyFilterObject : public drive::ui::KeyPressFilter {
    Q_OBJECT
public:
    explicit DcKeyFilterObject(QObject* parent = nullptr)
        : KeyPressFilter(&DcKeyFilterObject::Accepts, parent)
    {
    }

    // Puts the filter on an edit (the edit owns it).
    static void Install(QLineEdit* edit);

    // Whether the key press reaches the edit.
    static bool Accepts(const QKeyEvent& event);
};

} // namespace dcdrive::ui
