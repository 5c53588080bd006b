// The two calculations run through the windows as a user runs them: the entry checks of the
// main window, the input windows, the memo's report and the acceleration question.

#include "dcdrive/calc/dutycycle.h"
#include "dcdrive/data/workingdata.h"
#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/program.h"
#include "uitestsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace uitest;

class CalculationsTest : public QObject {
    Q_OBJECT

private slots:
    void generatorMotorFromFilesThroughTheWindows();
    void converterMotorThroughBothInputWindows();
    void accelerationQuestionYesShowsTheEditorNoEmptiesTheMemo();
    void entryChecksInsistOnDiagramAndMotor();
};

// The fixtures loaded through the platform's open dialogs of the editor and the motor window,
// both accepted, then "Схема Г-Д" with the inputs typed: the memo holds the report of the
// realistic drive, as the batch runner prints it.
void CalculationsTest::generatorMotorFromFilesThroughTheWindows()
{
    dcdrive::ui::DcProgram program;
    program.Form1().show();
    ModalScript script;
    // The editor, shown from the menu: load, then accept.
    script.Then([&](QWidget* editor) {
        script.Expect(editor, QStringLiteral("TForm4"));
        Click(editor, "SpeedButton2", script);
        Click(editor, "SpeedButton6", script);
    });
    script.Then(OpenFile(
        QStringLiteral("Файлы тахограмм (*.tah)"), DataFile("dc-forward-reverse-pause-10s.tah"), script));
    program.Form1().ShowTachoEditorClick();
    QCOMPARE(program.Data().tachoPointCount, 10);
    QCOMPARE(program.Data().tachoTime[9], 37.5);

    script.Then([&](QWidget* motor) {
        script.Expect(motor, QStringLiteral("TForm2"));
        Click(motor, "SpeedButton4", script);
        Click(motor, "SpeedButton1", script);
    });
    script.Then(
        OpenFile(QStringLiteral("Файлы данных ЭД (*.dpt)"), DataFile("dc-motor-4kw-220v.dpt"), script));
    program.Form1().ShowMotorWindowClick();
    QVERIFY(program.Data().motorDataComplete);

    script.Then([&](QWidget* window) {
        script.Expect(window, QStringLiteral("TForm5"));
        TypeOver(window, "Edit1", QStringLiteral("1"));
        TypeOver(window, "Edit2", QStringLiteral("100"));
        TypeOver(window, "Edit3", QStringLiteral("20"));
        QTest::mouseClick(
            window->findChild<QCheckBox*>(QStringLiteral("CheckBox1")), Qt::LeftButton, {}, QPoint(6, 6));
        Click(window, "Button1", script);
    });
    program.Form1().GeneratorMotorClick();

    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(MemoLines(program), FileLines(QStringLiteral("drivecalc/dc-gd-load-source-data.expected")));
}

// "Схема ТП-Д": TForm6 accepted opens TForm7 with its table's first coefficients; its
// calculation writes the report and closes TForm7 and then TForm6.
void CalculationsTest::converterMotorThroughBothInputWindows()
{
    TestProgram test;
    test.program->Form1().show();
    ModalScript script;
    AcceptDrive(test, "dc-forward-reverse-pause-35s.tah", "dc-motor-4kw-220v.dpt");

    QStringList coefficients;
    script.Then([&](QWidget* window) {
        script.Expect(window, QStringLiteral("TForm6"));
        TypeOver(window, "Edit16", QStringLiteral("230"));
        TypeOver(window, "Edit17", QStringLiteral("1"));
        TypeOver(window, "Edit18", QStringLiteral("40"));
        window->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(true);
        Click(window, "SpeedButton1", script);
    });
    script.Then([&](QWidget* window) {
        script.Expect(window, QStringLiteral("TForm7"));
        for (const char* name : { "Edit1", "Edit2" })
            coefficients.append(window->findChild<QLineEdit*>(QString::fromLatin1(name))->text());
        Click(window, "SpeedButton1", script);
    });
    test.program->Form1().ConverterMotorClick();

    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(coefficients, (QStringList { QStringLiteral("1,1"), QStringLiteral("1,57") }));
    QCOMPARE(test.program->Data().rampGenerator, 0);
    QCOMPARE(MemoLines(*test.program),
        FileLines(QStringLiteral("drivecalc/dc-tpd-without-ramp-source-data.expected")));
}

// Braking the drive faster than the motor allows: Yes shows the load diagram editor and, once
// it closes, the calculation starts again and the stretches before are printed once more; No
// empties the whole memo and leaves the input window open.
void CalculationsTest::accelerationQuestionYesShowsTheEditorNoEmptiesTheMemo()
{
    TestProgram test;
    dcdrive::ui::DcProgram& program = *test.program;
    program.Form1().show();
    ModalScript script;
    AcceptDrive(test, "dc-braking-too-steep.tah", "dc-motor-4kw-220v.dpt");
    dcdrive::ui::MemoSink(*program.Form1().findChild<QPlainTextEdit*>(QStringLiteral("Memo1")))
        .AppendLine("an earlier report");

    const QString question = QString::fromUtf8(dcdrive::kAccelerationQuestion);
    QStringList memoAtSecondQuestion;
    script.Then([&](QWidget* window) {
        script.Expect(window, QStringLiteral("TForm5"));
        TypeOver(window, "Edit1", QStringLiteral("1"));
        TypeOver(window, "Edit2", QStringLiteral("100"));
        TypeOver(window, "Edit3", QStringLiteral("20"));
        Click(window, "Button1", script);
    });
    script.Then(AnswerQuestion(question, true, script));
    script.Then(CloseWindow("TForm4", script));
    script.Then([&](QWidget* box) {
        memoAtSecondQuestion = MemoLines(program);
        AnswerQuestion(question, false, script)(box);
    });
    script.Then(CloseWindow("TForm5", script));
    program.Form1().GeneratorMotorClick();

    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    // Stretches 1 and 2 (five lines each) before the steep braking of stretch 3, twice.
    QCOMPARE(memoAtSecondQuestion.size(), 1 + 2 * 10);
    QCOMPARE(memoAtSecondQuestion.mid(1, 10), memoAtSecondQuestion.mid(11, 10));
    QCOMPARE(memoAtSecondQuestion.at(1), QStringLiteral("Ап1=6355 Дж"));
    QVERIFY(MemoLines(program).isEmpty());
}

// At start "Схема Г-Д" shows the editor until a load diagram is counted there, then the motor
// window until an acceptance gets past its completeness check (a later check may still refuse
// it), and only then the input window.
void CalculationsTest::entryChecksInsistOnDiagramAndMotor()
{
    TestProgram test;
    dcdrive::ui::DcProgram& program = *test.program;
    program.Form1().show();
    ModalScript script;
    const QString noDiagram = QStringLiteral("Вы не ввели параметры тахограммы");
    const QString noMotor = QStringLiteral("Вы не ввели параметры двигателя");
    script.Then(ExpectMessage(noDiagram, script));
    script.Then(CloseWindow("TForm4", script));
    script.Then(ExpectMessage(noDiagram, script));
    script.Then([&](QWidget* editor) {
        script.Expect(editor, QStringLiteral("TForm4"));
        Click(editor, "SpeedButton4", script);
        editor->close();
    });
    script.Then(ExpectMessage(noMotor, script));
    script.Then(CloseWindow("TForm2", script));
    script.Then(ExpectMessage(noMotor, script));
    script.Then([&](QWidget* motor) {
        script.Expect(motor, QStringLiteral("TForm2"));
        test.dialogs->openName = DataFile("dc-motor-4kw-220v.dpt").toStdString();
        Click(motor, "SpeedButton4", script);
        TypeOver(motor, "Edit9", QStringLiteral("6"));
        Click(motor, "SpeedButton1", script);
    });
    script.Then(
        ExpectMessage(QStringLiteral("Вы неправильно ввели коэффициент перегрузки KP ( KP>5 )"), script));
    script.Then(CloseWindow("TForm2", script));
    script.Then(CloseWindow("TForm5", script));
    program.Form1().GeneratorMotorClick();

    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(program.Data().tachoPointCount, 1);
    QVERIFY(program.Data().motorDataComplete);
}

QTEST_MAIN(CalculationsTest)
#include "calculationstest.moc"
