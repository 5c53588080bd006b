#pragma once

#include "common/filedialogs.h"

#include <QString>
#include <functional>

class QWidget;

namespace drive::ui {

// The platform's open and save dialogs for the file routines of the core. The save dialog asks
// nothing about an existing file: the core appends its suffix and asks itself, about the name
// it will really write, where a file type needs it.
class QtFileDialogs : public drive::FileDialogs {
public:
    // The object name of a dialog (the tests find it by it) from whether it saves and its filter.
    using Namer = std::function<QString(bool save, const std::string& filter)>;

    // Dialogs named by `namer` that open over `parent`, or, without one, over the active modal
    // window (else the active window).
    explicit QtFileDialogs(Namer namer, QWidget* parent = nullptr);

    // The window the dialogs open over.
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> GetSaveFileName(const std::string& filter) override;
    std::optional<std::string> GetOpenFileName(const std::string& filter) override;

private:
    std::optional<std::string> Ask(const std::string& filter, bool save);

    Namer namer_;
    QWidget* parent_;
};

// A filter "Описание|*.ext" in the form of the Qt dialogs, "Описание (*.ext)".
QString DialogFilter(const std::string& filter);

} // namespace drive::ui
