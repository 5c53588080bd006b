#include "acdrive/data/prompts.h"

#include "common/numbertext.h"

namespace acdrive {

std::string AskNumber(AcWorkingData& data, drive::Prompter& prompter, const std::string& question)
{
    data.promptText = question;
    data.promptAnswer = prompter.AskNumber(question);
    return data.promptAnswer;
}

double AskValue(AcWorkingData& data, drive::Prompter& prompter, const std::string& question)
{
    return drive::ParseNumber(AskNumber(data, prompter, question));
}

std::int32_t AskWhole(AcWorkingData& data, drive::Prompter& prompter, const std::string& question)
{
    return drive::ParseWhole(AskNumber(data, prompter, question));
}

bool AskChoice(AcWorkingData& data, drive::Prompter& prompter, const std::string& question,
               const std::string& first, const std::string& second)
{
    data.choiceQuestion = question;
    data.choiceFirst = first;
    data.choiceSecond = second;
    data.choiceIsFirst = prompter.AskChoice(question, first, second);
    return data.choiceIsFirst;
}

}  // namespace acdrive
