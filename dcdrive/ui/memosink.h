#pragma once

#include "common/linesink.h"

class QPlainTextEdit;

namespace dcdrive::ui {

// The main window's memo as the calculations' line sink: lines are appended below the earlier
// ones; Clear empties it.
class MemoSink : public drive::LineSink {
public:
    explicit MemoSink(QPlainTextEdit& memo)
        : memo_(memo)
    {
    }

    void AppendLine(const std::string& line) override;
    void Clear() override;

private:
    QPlainTextEdit& memo_;
};

} // namespace dcdrive::ui
