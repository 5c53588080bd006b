#pragma once

#include <string>

namespace drive {

// The calculations' only way to the user: questions and messages that block until answered.
// The desktop programs implement it with modal dialogs, the batch runner and the tests with
// scripted answers.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Asks for a number and returns the typed text as it stands (it may be empty).
    virtual std::string AskNumber(const std::string& question) = 0;

    // Asks to pick one of two options; true when the first was picked.
    virtual bool AskChoice(const std::string& question, const std::string& first,
                           const std::string& second) = 0;

    // Asks a question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;

    // Shows a message with an OK button and waits until it is closed.
    virtual void ShowNotice(const std::string& text) = 0;
};

}  // namespace drive
