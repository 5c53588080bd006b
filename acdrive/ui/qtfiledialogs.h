#pragma once

#include "common/filedialogs.h"

class QWidget;

namespace acdrive::ui {

// The open and save dialogs of the platform for the file routines of the core. The save dialog
// asks nothing about an existing file: the routines append their suffix and ask themselves.
class QtFileDialogs : public drive::FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent)
        : parent_(parent)
    {
    }
    // The window the dialogs open over.
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> GetSaveFileName(const std::string& filter) override;
    std::optional<std::string> GetOpenFileName(const std::string& filter) override;

private:
    std::optional<std::string> Ask(const std::string& filter, bool save);

    QWidget* parent_;
};

} // namespace acdrive::ui
