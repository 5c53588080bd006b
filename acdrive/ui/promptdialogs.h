#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace acdrive::ui {

// The number dialog "Ввод параметра": a question area that breaks lines only at carriage
// returns (text beyond it is cut off), a numeric field and OK. Created once, shown per question.
class NumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit NumberDialog(QWidget* parent = nullptr);

    // Shows the question with an empty field and waits: the field's text when OK was pressed,
    // nothing when the dialog was closed another way.
    std::optional<QString> Ask(const QString& question);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* question_;
    QLineEdit* field_;
    QPushButton* ok_;
};

// The choice dialog "Выбор ": a question area and two options as radio buttons. The selection
// stays as the user left it at the previous question (the first option at the start).
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget* parent = nullptr);

    // Shows the question and the options and waits: true when the first option was selected at
    // OK, false for the second, nothing when the dialog was closed another way.
    std::optional<bool> Ask(const QString& question, const QString& first, const QString& second);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* question_;
    QRadioButton* first_;
    QRadioButton* second_;
    QPushButton* ok_;
};

// A question text as the dialogs show it: each carriage return starts a new line.
QString QuestionLines(const QString& text);

} // namespace acdrive::ui
