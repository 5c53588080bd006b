#pragma once

// Helpers of the acdrive window tests: finding controls as a user sees them (by hint, by menu
// path) and answering the prompt dialogs through their controls.

#include "common/ui/modalscript.h"
#include "tests/support/ui/boxsteps.h"
#include "tests/support/ui/testfiles.h"

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

// Steps of a ModalScript that answer a prompt dialog as a user would: type into the number
// field, or pick option 1 or 2, then press OK. The question shown is appended to `questions`.
ModalScript::Step TypeNumber(const QString& keys, QStringList* questions = nullptr);
ModalScript::Step PickOption(int option, QStringList* questions = nullptr);
// Closes the window through its frame (the close box) instead of OK.
ModalScript::Step CloseByFrame();

} // namespace uitest
