#pragma once

#include "common/ui/keypressfilter.h"

class QKeyEvent;

namespace acdrive::ui {

// The key filter of the numeric fields: digits, the comma and backspace are typed; any other
// character (a minus sign, a point, a letter, a paste) is discarded with the system's beep.
// Keys that type nothing (arrows, Delete, Enter, Tab, Escape) keep their usual meaning.
class NumericFieldFilter : public drive::ui::KeyPressFilter {
    Q_OBJECT
public:
    explicit NumericFieldFilter(QObject* parent = nullptr);

    // Filters the key presses of `field` (a QLineEdit), which keeps the filter as a child.
    static NumericFieldFilter* Install(QObject* field);

    // Whether the key press reaches the field.
    static bool Accepts(const QKeyEvent& event);
};

} // namespace acdrive::ui
