#include "acdrive/ui/resultspane.h"

#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace acdrive::ui {

ResultsPane::ResultsPane(QWidget* parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::NoWrap);
}

void ResultsPane::AppendLine(const std::string& line)
{
    const QStringList parts = QString::fromStdString(line).split(u'\r');
    for (const QString& part : parts)
        AppendOne(part);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ResultsPane::AppendOne(const QString& line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (lineCount_ > 0)
        cursor.insertBlock();
    cursor.insertText(line);
    ++lineCount_;
}

void ResultsPane::Clear()
{
    clear();
    lineCount_ = 0;
}

QStringList ResultsPane::lines() const
{
    QStringList result;
    if (lineCount_ == 0)
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

void ResultsPane::PrintTo(QPrinter& printer) const
{
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->setMetaInformation(QTextDocument::DocumentTitle, QString());
    printer.setDocName(QString());
    copy->print(&printer);
}

} // namespace acdrive::ui
