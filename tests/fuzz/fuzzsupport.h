#pragma once

// Helpers of the fuzz targets: the loaders read named files, so each input is written to a
// scratch file first; prompts are answered without ever waiting.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "common/prompter.h"

namespace fuzz {

// Writes the input to a scratch file of this process and returns its name.
std::string WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* suffix);

// Splits the input into answer lines, as an answers file would give them.
std::deque<std::string> AnswerLines(const std::uint8_t* data, std::size_t size);

// A prompter that answers numbers with "1", choices with the first option and Yes/No with No.
class QuietPrompter : public drive::Prompter {
public:
    std::string AskNumber(const std::string&) override { return "1"; }
    bool AskChoice(const std::string&, const std::string&, const std::string&) override { return true; }
    bool AskYesNo(const std::string&) override { return false; }
    void ShowNotice(const std::string&) override {}
};

}  // namespace fuzz
