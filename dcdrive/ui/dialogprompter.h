#pragma once

#include "common/prompter.h"

#include <string>

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

} // namespace dcdrive::ui
