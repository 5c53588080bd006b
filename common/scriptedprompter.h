#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/prompter.h"

namespace drive {

// The recorded answers ran out: the question that found none is the message.
class AnswersExhausted : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A recorded answer does not fit its question (a choice other than 1 or 2, a Yes/No other
// than y or n).
class InvalidAnswer : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One question asked and the answer it got, as the transcript keeps it.
struct PromptRecord {
    enum class Kind { Number, Choice, YesNo };
    Kind kind = Kind::Number;
    std::string text;
    std::string answer;  // the answer line as given: the number text, "1"/"2", "y"/"n"
    std::string first;   // the options of a choice
    std::string second;
};

const char* PromptKindName(PromptRecord::Kind kind);  // "number", "choice", "yesno"

// Answers questions from a list of answer lines, in order: a number question takes the line
// verbatim, a choice "1" (first option) or "2", a Yes/No question "y" or "n". Every question
// and notice is recorded; running out of answers or a misfit answer throws.
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(std::deque<std::string> answers = {});

    void AddAnswer(std::string answer) { answers_.push_back(std::move(answer)); }

    // Called with each question, answer and notice as it happens (for a live transcript).
    void SetObserver(std::function<void(const std::string&)> observer) { observer_ = std::move(observer); }

    std::string AskNumber(const std::string& question) override;
    bool AskChoice(const std::string& question, const std::string& first,
                   const std::string& second) override;
    bool AskYesNo(const std::string& question) override;
    void ShowNotice(const std::string& text) override;

    const std::vector<PromptRecord>& questions() const { return questions_; }
    const std::vector<std::string>& notices() const { return notices_; }
    std::size_t remainingAnswers() const { return answers_.size(); }

private:
    std::string NextAnswer(PromptRecord::Kind kind, const std::string& shownText);
    void Observe(const std::string& line);

    std::deque<std::string> answers_;
    std::vector<PromptRecord> questions_;
    std::vector<std::string> notices_;
    std::function<void(const std::string&)> observer_;
};

// A question or notice text on one line: each carriage return shown as " / ".
std::string OneLine(const std::string& text);

}  // namespace drive
