#pragma once

#include "common/filedialogs.h"
#include "common/prompter.h"

#include <string>

class QString;
class QWidget;

namespace dcdrive::ui {

// The core's questions and messages as the platform's modal boxes, over the window that is
// active (the modal one, or else the main window).
class DialogPrompter : public drive::Prompter {
public:
    explicit DialogPrompter(QWidget* mainWindow = nullptr)
        : mainWindow_(mainWindow)
    {
    }

    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    std::string AskNumber(const std::string& question) override;
    bool AskChoice(const std::string& question, const std::string& first, const std::string& second) override;
    bool AskYesNo(const std::string& question) override;
    void ShowNotice(const std::string& text) override;

private:
    QWidget* Parent() const;

    QWidget* mainWindow_;
};

// The platform's open and save dialogs. The dialogs never ask about replacing a file: the core
// asks where a file type needs it, about the name it will really write.
class PlatformFileDialogs : public drive::FileDialogs {
public:
    std::optional<std::string> GetSaveFileName(const std::string& filter) override;
    std::optional<std::string> GetOpenFileName(const std::string& filter) override;
};

// A filter "Описание|*.ext" in the form of the Qt dialogs, "Описание (*.ext)".
QString DialogFilter(const std::string& filter);

} // namespace dcdrive::ui
