#include "drivecalc/batchrun.h"

#include <iostream>

#include "drivecalc/answers.h"

namespace drivecalc {

std::optional<std::string> ArgumentReader::Next()
{
    if (next_ >= args_.size())
        return std::nullopt;
    current_ = args_[next_++];
    return current_;
}

const std::string& ArgumentReader::Value()
{
    if (next_ >= args_.size())
        throw UsageError(current_ + " needs a value");
    return args_[next_++];
}

bool AnswerOptions::Take(const std::string& option, ArgumentReader& reader)
{
    if (option == "--help" || option == "-h")
        throw HelpRequested();
    if (option == "--answers")
        answersFile = reader.Value();
    else if (option == "--answer")
        answers.push_back(reader.Value());
    else if (option == "--transcript")
        transcript = true;
    else if (option == "--json")
        json = true;
    else
        return false;
    return true;
}

drive::ScriptedPrompter MakePrompter(const AnswerOptions& options)
{
    std::deque<std::string> answers;
    if (!CollectAnswers(options.answersFile, options.answers, answers))
        throw UsageError("cannot read the answers file " + options.answersFile);
    drive::ScriptedPrompter prompter(std::move(answers));
    if (options.transcript)
        prompter.SetObserver([](const std::string& line) { std::cerr << line << '\n'; });
    return prompter;
}

void PrintText(const std::string& line, std::ostream& out)
{
    for (char c : line)
        out.put(c == '\r' ? '\n' : c);
    out.put('\n');
}

void PrintNotices(const drive::ScriptedPrompter& prompter, std::size_t first, bool transcript)
{
    if (transcript)
        return;
    for (std::size_t k = first; k < prompter.notices().size(); ++k)
        PrintText(prompter.notices()[k], std::cerr);
}

void WriteTextOrNull(JsonWriter& w, const std::string& key, const std::string& text)
{
    w.Key(key);
    if (text.empty())
        w.Null();
    else
        w.String(text);
}

void WriteNumber(JsonWriter& w, const std::string& key, double value)
{
    w.Key(key);
    w.Number(value);
}

void WriteTexts(JsonWriter& w, const std::string& key, const std::vector<std::string>& texts,
                std::size_t first, std::size_t last)
{
    w.Key(key);
    w.BeginArray();
    for (std::size_t k = first; k < last; ++k)
        w.String(texts[k]);
    w.EndArray();
}

void WriteQuestions(JsonWriter& w, const std::vector<drive::PromptRecord>& questions, std::size_t first,
                    std::size_t last)
{
    w.Key("questions");
    w.BeginArray();
    for (std::size_t k = first; k < last; ++k) {
        const drive::PromptRecord& q = questions[k];
        w.BeginObject();
        w.Key("kind");
        w.String(drive::PromptKindName(q.kind));
        w.Key("text");
        w.String(q.text);
        w.Key("answer");
        w.String(q.answer);
        w.EndObject();
    }
    w.EndArray();
}

}  // namespace drivecalc
