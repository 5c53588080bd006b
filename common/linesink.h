#pragma once

#include <string>
#include <vector>

namespace drive {

// A text pane that reports are appended to line by line: the AC results pane, the DC memo.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void AppendLine(const std::string& line) = 0;
    virtual void Clear() = 0;
};

// A line sink that keeps its lines in memory, for the batch runner and the tests.
class LineBuffer : public LineSink {
public:
    void AppendLine(const std::string& line) override { lines_.push_back(line); }
    void Clear() override { lines_.clear(); }

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace drive
