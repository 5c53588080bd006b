#pragma once

// Helpers of the acdrive window tests: finding controls as a user sees them (by hint, by menu
// path) and answering the prompt dialogs through their controls.

#include "acdrive/ui/modalscript.h"

#include <QString>
#include <QStringList>

class QAction;
class QToolButton;
class QWidget;

namespace uitest {

// The tool buttons of a window with the given hint, left to right.
QList<QToolButton*> ToolButtons(QWidget* window, const char* hint);
// The one tool button with the hint (fails the test through a null result when there is none).
QToolButton* ToolButton(QWidget* window, const char* hint);

// The menu item reached by the captions of `path` from the window's menu bar.
QAction* MenuItem(QWidget* window, const QStringList& path);

// The lines of a file of tests/ (its final line break ends the last line).
QStringList FileLines(const QString& relativePath);

// Steps of a ModalScript that answer a prompt dialog as a user would: type into the number
// field, or pick option 1 or 2, then press OK. The question shown is appended to `questions`.
acdrive::ui::ModalScript::Step TypeNumber(const QString& keys, QStringList* questions = nullptr);
acdrive::ui::ModalScript::Step PickOption(int option, QStringList* questions = nullptr);
// Closes the window through its frame (the close box) instead of OK.
acdrive::ui::ModalScript::Step CloseByFrame();
// Expects the standard error box with `message` and presses its button.
acdrive::ui::ModalScript::Step ExpectErrorBox(const QString& message, acdrive::ui::ModalScript& script);

} // namespace uitest
