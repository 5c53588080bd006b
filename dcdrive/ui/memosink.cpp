#include "dcdrive/ui/memosink.h"

#include <QPlainTextEdit>

namespace dcdrive::ui {

void MemoSink::AppendLine(const std::string& line)
{
    memo_.appendPlainText(QString::fromStdString(line));
}

void MemoSink::Clear()
{
    memo_.clear();
}

} // namespace dcdrive::ui
