#include "common/scriptedprompter.h"

namespace drive {

const char* PromptKindName(PromptRecord::Kind kind)
{
    switch (kind) {
    case PromptRecord::Kind::Number:
        return "number";
    case PromptRecord::Kind::Choice:
        return "choice";
    case PromptRecord::Kind::YesNo:
        return "yesno";
    }
    return "number";
}

std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text) {
        if (c == '\r')
            line += " / ";
        else
            line.push_back(c);
    }
    return line;
}

ScriptedPrompter::ScriptedPrompter(std::deque<std::string> answers) : answers_(std::move(answers)) {}

void ScriptedPrompter::Observe(const std::string& line)
{
    if (observer_)
        observer_(line);
}

std::string ScriptedPrompter::NextAnswer(PromptRecord::Kind kind, const std::string& shownText)
{
    Observe(std::string("? ") + OneLine(shownText));
    if (answers_.empty())
        throw AnswersExhausted(OneLine(shownText));
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    questions_.push_back(PromptRecord{kind, shownText, answer, {}, {}});
    Observe("> " + answer);
    return answer;
}

std::string ScriptedPrompter::AskNumber(const std::string& question)
{
    return NextAnswer(PromptRecord::Kind::Number, question);
}

bool ScriptedPrompter::AskChoice(const std::string& question, const std::string& first,
                                 const std::string& second)
{
    const std::string answer = NextAnswer(PromptRecord::Kind::Choice,
                                          question + "\r1) " + first + "\r2) " + second);
    questions_.back().text = question;
    questions_.back().first = first;
    questions_.back().second = second;
    if (answer == "1")
        return true;
    if (answer == "2")
        return false;
    throw InvalidAnswer("choice answer '" + answer + "' is neither 1 nor 2: " + OneLine(question));
}

bool ScriptedPrompter::AskYesNo(const std::string& question)
{
    const std::string answer = NextAnswer(PromptRecord::Kind::YesNo, question);
    if (answer == "y" || answer == "Y")
        return true;
    if (answer == "n" || answer == "N")
        return false;
    throw InvalidAnswer("Yes/No answer '" + answer + "' is neither y nor n: " + OneLine(question));
}

void ScriptedPrompter::ShowNotice(const std::string& text)
{
    notices_.push_back(text);
    Observe("! " + OneLine(text));
}

}  // namespace drive
