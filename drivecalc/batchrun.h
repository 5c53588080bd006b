#pragma once

// What the AC and DC batch runs share: reading the command line, the answer options, the
// scripted prompter they set up, and text and JSON output.

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/scriptedprompter.h"
#include "drivecalc/json.h"

namespace drivecalc {

// A command line the runner cannot use; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --help was given.
struct HelpRequested {};

// A file named on the command line could not be opened; the program's own message was shown.
struct FileNotOpened {};

// Walks the arguments one option at a time.
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

    // The next option, or nullopt at the end.
    std::optional<std::string> Next();
    // The value that follows the current option; UsageError when there is none.
    const std::string& Value();

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
    std::string current_;
};

// The options every run takes: answers, transcript, JSON output.
struct AnswerOptions {
    std::string answersFile;
    std::vector<std::string> answers;
    bool transcript = false;
    bool json = false;

    // Takes `option` (and its value) when it is one of these or --help; false otherwise.
    bool Take(const std::string& option, ArgumentReader& reader);
};

// The scripted prompter of a run with the answers of the options (the file's lines, then each
// --answer); with --transcript it prints each question, answer and notice to stderr. Throws
// UsageError when the answers file cannot be read.
drive::ScriptedPrompter MakePrompter(const AnswerOptions& options);

// Prints a line as the desktop program shows it: a carriage return breaks it.
void PrintText(const std::string& line, std::ostream& out);

// Prints the notices from `first` on to stderr, unless the transcript has shown them.
void PrintNotices(const drive::ScriptedPrompter& prompter, std::size_t first, bool transcript);

// Writes `key` and the text, or null when the text is empty.
void WriteTextOrNull(JsonWriter& w, const std::string& key, const std::string& text);

// Writes `key` and the number.
void WriteNumber(JsonWriter& w, const std::string& key, double value);

// Writes `key` and the texts [first, last).
void WriteTexts(JsonWriter& w, const std::string& key, const std::vector<std::string>& texts,
                std::size_t first, std::size_t last);

// Writes "questions" and the questions [first, last) as {"kind","text","answer"}.
void WriteQuestions(JsonWriter& w, const std::vector<drive::PromptRecord>& questions, std::size_t first,
                    std::size_t last);

}  // namespace drivecalc
