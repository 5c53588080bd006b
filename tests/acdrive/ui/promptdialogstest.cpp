// The prompt dialogs as the calculations' prompt service: what they show, the key filter of
// the number field, the kept choice and the answers of a dialog closed through its frame.

#include "acdrive/ui/promptdialogs.h"

#include "acdrive/ui/dialogprompter.h"
#include "acdrive/ui/keyfilter.h"
#include "uitestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using acdrive::ui::ChoiceDialog;
using acdrive::ui::DialogPrompter;
using acdrive::ui::NumberDialog;
using drive::ui::ModalScript;

class PromptDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void numberFieldTakesOnlyDigitsCommaAndBackspace_data();
    void numberFieldTakesOnlyDigitsCommaAndBackspace();
    void dialogsShowTheirTextsAndKeepTheChoice();
    void closingByTheFrameReturnsThePreviousAnswer();
};

void PromptDialogsTest::numberFieldTakesOnlyDigitsCommaAndBackspace_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digits and the comma") << "12,5"
                                          << "12,5" << 0;
    QTest::newRow("minus sign is rejected") << "-5"
                                            << "5" << 1;
    QTest::newRow("point as decimal separator is rejected") << "1.5"
                                                            << "15" << 1;
    QTest::newRow("exponent and letters are rejected") << "2E3x"
                                                       << "23" << 2;
    QTest::newRow("blank is rejected") << "1 0"
                                       << "10" << 1;
    QTest::newRow("backspace edits") << "12\b3"
                                     << "13" << 0;
    QTest::newRow("empty field answers the empty text") << ""
                                                        << "" << 0;
}

void PromptDialogsTest::numberFieldTakesOnlyDigitsCommaAndBackspace()
{
    QFETCH(QString, keys);
    QFETCH(QString, answer);
    QFETCH(int, beeps);
    NumberDialog dialog;
    auto* filter = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))
                       ->findChild<acdrive::ui::NumericFieldFilter*>();
    QVERIFY(filter);
    QSignalSpy rejected(filter, &acdrive::ui::NumericFieldFilter::keyRejected);

    ModalScript script;
    script.Then([&](QWidget* window) {
        auto* field = window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        for (const QChar key : keys) {
            if (key == u'\b')
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClicks(field, QString(key));
        }
        uitest::TypeNumber(QString())(window);
    });
    QCOMPARE(dialog.Ask(QStringLiteral("Введите количество скоростей")), std::optional<QString>(answer));
    QCOMPARE(script.failures(), QStringList());
    QCOMPARE(rejected.count(), beeps);
}

void PromptDialogsTest::dialogsShowTheirTextsAndKeepTheChoice()
{
    NumberDialog numberDialog;
    ChoiceDialog choiceDialog;
    QCOMPARE(numberDialog.windowTitle(), QStringLiteral("Ввод параметра"));
    QCOMPARE(choiceDialog.windowTitle(), QStringLiteral("Выбор "));
    DialogPrompter prompter(numberDialog, choiceDialog, nullptr);

    // The field is emptied at each showing; carriage returns break the question into lines.
    ModalScript script;
    QStringList questions;
    QString fieldAtShow;
    script.Then(uitest::TypeNumber(QStringLiteral("7"), &questions));
    script.Then([&](QWidget* window) {
        fieldAtShow = window->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
        uitest::TypeNumber(QStringLiteral("3"), &questions)(window);
    });
    QCOMPARE(prompter.AskNumber("Участок №2\r Время торможения "), std::string("7"));
    QCOMPARE(prompter.AskNumber("Введите количество скоростей"), std::string("3"));
    QCOMPARE(fieldAtShow, QString());
    QCOMPARE(questions,
        (QStringList { QStringLiteral("Участок №2\n Время торможения "),
            QStringLiteral("Введите количество скоростей") }));

    // The first option is selected until the user picks another; the pick is kept for the next
    // question.
    QStringList preselected;
    QStringList options;
    const auto note = [&](QWidget* window) {
        auto* first = window->findChild<QRadioButton*>(QStringLiteral("RadioButton1"));
        auto* second = window->findChild<QRadioButton*>(QStringLiteral("RadioButton2"));
        preselected.append(first->isChecked() ? QStringLiteral("first") : QStringLiteral("second"));
        options.append(first->text() + u'|' + second->text());
    };
    script.Then([&](QWidget* window) {
        note(window);
        uitest::PickOption(2)(window);
    });
    script.Then([&](QWidget* window) {
        note(window);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    QCOMPARE(prompter.AskChoice("Пуск, участок №1\r:", "прямой;", "ступенчатый"), false);
    QCOMPARE(prompter.AskChoice("Торможение: участок №3", " Динамическое  ", "Противовключением "), false);
    QCOMPARE(preselected, (QStringList { QStringLiteral("first"), QStringLiteral("second") }));
    QCOMPARE(options,
        (QStringList {
            QStringLiteral("прямой;|ступенчатый"), QStringLiteral(" Динамическое  |Противовключением ") }));
    QCOMPARE(script.failures(), QStringList());
}

void PromptDialogsTest::closingByTheFrameReturnsThePreviousAnswer()
{
    NumberDialog numberDialog;
    ChoiceDialog choiceDialog;
    DialogPrompter prompter(numberDialog, choiceDialog, nullptr);
    ModalScript script;
    script.Then(uitest::CloseByFrame());
    script.Then(uitest::CloseByFrame());
    script.Then(uitest::TypeNumber(QStringLiteral("12,5")));
    script.Then(uitest::PickOption(1));
    script.Then(uitest::CloseByFrame());
    script.Then(uitest::CloseByFrame());

    // Before any answer: the empty text and the second option.
    QCOMPARE(prompter.AskNumber("Участок №1"), std::string());
    QCOMPARE(prompter.AskChoice("Тип привода :", "реверсивный", "нереверсивный"), false);
    QCOMPARE(prompter.AskNumber("Участок №1"), std::string("12,5"));
    QCOMPARE(prompter.AskChoice("Тип привода :", "реверсивный", "нереверсивный"), true);
    QCOMPARE(prompter.AskNumber("Участок №2"), std::string("12,5"));
    QCOMPARE(prompter.AskChoice("Тип привода :", "реверсивный", "нереверсивный"), true);
    QCOMPARE(script.failures(), QStringList());
    QCOMPARE(script.remaining(), std::size_t { 0 });
}

QTEST_MAIN(PromptDialogsTest)
#include "promptdialogstest.moc"
