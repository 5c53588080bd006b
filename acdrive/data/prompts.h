#pragma once

// The AC prompt service: questions pass through the exchange fields of the working data set
// (promptText, promptAnswer, choiceQuestion, choiceFirst, choiceSecond, choiceIsFirst) on their
// way to the dialogs.

#include <cstdint>
#include <string>

#include "acdrive/data/workingdata.h"
#include "common/prompter.h"

namespace acdrive {

// Asks a number question and returns the answer text as typed.
std::string AskNumber(AcWorkingData& data, drive::Prompter& prompter, const std::string& question);

// Asks a number question and converts the answer with ParseNumber (ConversionError if it fails).
double AskValue(AcWorkingData& data, drive::Prompter& prompter, const std::string& question);

// Asks a count and converts the answer to a whole number (ConversionError if it fails).
std::int32_t AskWhole(AcWorkingData& data, drive::Prompter& prompter, const std::string& question);

// Asks a two-way choice; true when the first option was chosen.
bool AskChoice(AcWorkingData& data, drive::Prompter& prompter, const std::string& question,
               const std::string& first, const std::string& second);

}  // namespace acdrive
