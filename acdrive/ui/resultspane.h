#pragma once

#include "common/linesink.h"

#include <QStringList>
#include <QTextEdit>

class QPrinter;

namespace acdrive::ui {

// The results pane of the main window: the reports of all calculations since start-up, one
// line per paragraph, scrolled to the newest line. A carriage return in a line starts a new one.
class ResultsPane : public QTextEdit, public drive::LineSink {
    Q_OBJECT
public:
    explicit ResultsPane(QWidget* parent = nullptr);

    void AppendLine(const std::string& line) override;
    void Clear() override;

    // The lines the pane holds.
    QStringList lines() const;
    int lineCount() const { return lineCount_; }

    // Prints the pane's text as a document with an empty title.
    void PrintTo(QPrinter& printer) const;

private:
    void AppendOne(const QString& line);

    int lineCount_ = 0;
};

} // namespace acdrive::ui
