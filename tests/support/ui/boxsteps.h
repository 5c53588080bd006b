#pragma once

// Steps of a ModalScript for the standard boxes both programs show (common/ui/messageboxes.h).

#include "common/ui/modalscript.h"

#include <QString>

class QMessageBox;
class QWidget;

namespace uitest {

using drive::ui::ModalScript;

// `window` as the message box named `name`; nullptr and a failure of `script` when it is not.
QMessageBox* ExpectBox(QWidget* window, const char* name, ModalScript& script);

// A failure of `script` unless the box shows `text`.
void ExpectBoxText(QMessageBox* box, const QString& text, ModalScript& script);

// A step that expects the standard error box with `text` and presses OK.
ModalScript::Step ExpectErrorBox(const QString& text, ModalScript& script);

} // namespace uitest
