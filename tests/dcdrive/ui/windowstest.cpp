// What the windows themselves do: the key filter of the numeric edits, the editor's chart and
// grid, the main window's load and chart, picture saving, the error box and the about box.

#include "dcdrive/ui/aboutbox.h"
#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/motorwindow.h"
#include "dcdrive/ui/numericedit.h"
#include "dcdrive/ui/program.h"
#include "dcdrive/ui/systemwindows.h"
#include "dcdrive/ui/tachochart.h"
#include "dcdrive/ui/tachoeditor.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QChart>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace uitest;

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void keyFilterOfEveryNumericEdit_data();
    void keyFilterOfEveryNumericEdit();
    void editorDrawsOnEveryCellSelection();
    void mainWindowLoadShowsTheCurveWithoutAccepting();
    void chartPictureIsABitmap_data();
    void chartPictureIsABitmap();
    void conversionErrorInTheErrorBoxAndTheWindowStaysOpen();
    void smallPictureClosesTheAboutBox();
};

namespace {

// The numeric edits of the motor window and of the two systems' input windows.
QList<QLineEdit*> NumericEdits(dcdrive::ui::DcProgram& program)
{
    QList<QLineEdit*> edits;
    for (QWidget* window :
        std::initializer_list<QWidget*> { &program.Form2(), &program.Form5(), &program.Form6() }) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            edits.append(edit);
    }
    return edits;
}

QTableWidget* Grid(dcdrive::ui::DcProgram& program)
{
    return program.Form4().findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
}

// Types a point into a grid row (1 .. 50) as a user does: the cell selected, the text typed and
// confirmed.
void TypePoint(QTableWidget* grid, int row, const QString& time, const QString& speed)
{
    for (const auto& [column, text] : { std::pair { 0, time }, std::pair { 1, speed } }) {
        grid->setCurrentCell(row - 1, column);
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit* editor = nullptr;
        for (QLineEdit* open : grid->findChildren<QLineEdit*>()) {
            if (open->isVisible())
                editor = open;
        }
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
}

} // namespace

void WindowsTest::keyFilterOfEveryNumericEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("beeps");
    // Every edit starts with "0"; keys are typed after it, Delete in front of it.
    QTest::newRow("digit") << int(Qt::Key_7) << QStringLiteral("07") << false;
    QTest::newRow("comma") << int(Qt::Key_Comma) << QStringLiteral("0,") << false;
    QTest::newRow("full stop is discarded") << int(Qt::Key_Period) << QStringLiteral("0") << true;
    QTest::newRow("minus sign is discarded") << int(Qt::Key_Minus) << QStringLiteral("0") << true;
    QTest::newRow("letter is discarded") << int(Qt::Key_E) << QStringLiteral("0") << true;
    QTest::newRow("backspace is discarded") << int(Qt::Key_Backspace) << QStringLiteral("0") << true;
    QTest::newRow("Delete still removes text") << int(Qt::Key_Delete) << QString() << false;
}

void WindowsTest::keyFilterOfEveryNumericEdit()
{
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(bool, beeps);
    dcdrive::ui::DcProgram program;
    const QList<QLineEdit*> edits = NumericEdits(program);
    QCOMPARE(edits.size(), 13 + 3 + 3);
    for (QLineEdit* edit : edits) {
        auto* filter = edit->findChild<dcdrive::ui::DcKeyFilterObject*>();
        QVERIFY2(filter, qPrintable(edit->objectName()));
        QSignalSpy rejected(filter, &dcdrive::ui::DcKeyFilterObject::keyRejected);
        edit->setCursorPosition(key == Qt::Key_Delete ? 0 : 1);
        QTest::keyClick(edit, static_cast<Qt::Key>(key));
        QCOMPARE(edit->text(), shown);
        QCOMPARE(rejected.size(), beeps ? 1 : 0);
    }
}

// A fresh grid draws its single point (0 s, 0 1/s) with the speed axis at -1 .. 1; typed points
// are drawn as soon as another cell is selected, with the axis at [Wmin - 1, Wmax + 1].
void WindowsTest::editorDrawsOnEveryCellSelection()
{
    dcdrive::ui::DcProgram program;
    dcdrive::ui::TForm4& editor = program.Form4();
    editor.show();
    ModalScript script;
    dcdrive::ui::TachogramChart& chart = editor.Chart();
    QCOMPARE(chart.SpeedAxisMinimum(), 0.0);
    QCOMPARE(chart.SpeedAxisMaximum(), 301.0);
    QCOMPARE(chart.chart()->locale().decimalPoint(), QStringLiteral(","));
    QVERIFY(chart.chart()->localizeNumbers());

    QTest::mouseClick(Button(&editor, "SpeedButton4"), Qt::LeftButton);
    QCOMPARE(chart.SpeedPoints(), (QList<QPointF> { { 0, 0 } }));
    QCOMPARE(chart.SpeedAxisMinimum(), -1.0);
    QCOMPARE(chart.SpeedAxisMaximum(), 1.0);

    QTableWidget* grid = Grid(program);
    TypePoint(grid, 2, QStringLiteral("1,5"), QStringLiteral("150"));
    TypePoint(grid, 3, QStringLiteral("11,5"), QStringLiteral("-100"));
    grid->setCurrentCell(5, 2);
    QTRY_COMPARE(chart.SpeedPoints().size(), 3);
    QCOMPARE(chart.SpeedPoints(), (QList<QPointF> { { 0, 0 }, { 1.5, 150 }, { 11.5, -100 } }));
    QCOMPARE(chart.SpeedAxisMinimum(), -101.0);
    QCOMPARE(chart.SpeedAxisMaximum(), 151.0);
    QCOMPARE(program.Data().tachoPointCount, 3);

    QTest::mouseClick(Button(&editor, "SpeedButton3"), Qt::LeftButton);
    QVERIFY(chart.SpeedPoints().isEmpty());
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("0"));
    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
}

// The main window's load puts the file into the editor's grid and shows its curve in Chart1
// with SpeedButton7 down; the calculations still have the points accepted before.
void WindowsTest::mainWindowLoadShowsTheCurveWithoutAccepting()
{
    TestProgram test;
    dcdrive::ui::TForm1& main = test.program->Form1();
    main.show();
    ModalScript script;
    test.dialogs->openName = DataFile("dc-forward-reverse-pause-10s.tah").toStdString();
    QTest::mouseClick(Button(&main, "SpeedButton1"), Qt::LeftButton);

    auto* chart = main.findChild<dcdrive::ui::TachogramChart*>(QStringLiteral("Chart1"));
    QVERIFY(chart->isVisible());
    QVERIFY(Button(&main, "SpeedButton7")->isChecked());
    QVERIFY(!Button(&main, "SpeedButton4")->isChecked());
    QCOMPARE(chart->SpeedPoints().size(), 10);
    // This chart scales its speed axis to the data.
    QVERIFY(chart->SpeedAxisMinimum() <= -100 && chart->SpeedAxisMaximum() >= 150);
    QCOMPARE(Grid(*test.program)->item(1, 1)->text(), QStringLiteral("150"));
    QCOMPARE(test.program->Data().tachoTime[1], 0.0);

    QTest::mouseClick(Button(&main, "SpeedButton4"), Qt::LeftButton);
    QVERIFY(!chart->isVisible());
    QVERIFY(main.findChild<QWidget*>(QStringLiteral("Memo1"))->isVisible());
    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
}

void WindowsTest::chartPictureIsABitmap_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("name without extension") << QStringLiteral("curve") << QStringLiteral("curve.bmp");
    QTest::newRow("upper-case extension kept") << QStringLiteral("curve.BMP") << QStringLiteral("curve.BMP");
}

void WindowsTest::chartPictureIsABitmap()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir folder;
    TestProgram test;
    dcdrive::ui::TForm4& editor = test.program->Form4();
    editor.show();
    ModalScript script;
    test.dialogs->saveName = folder.filePath(chosen).toStdString();
    QTest::mouseClick(Button(&editor, "SpeedButton5"), Qt::LeftButton);

    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    const QImage picture(folder.filePath(written), "BMP");
    QCOMPARE(picture.size(), editor.Chart().size());
    QCOMPARE(QColor(picture.pixel(2, 2)), QColor(Qt::white));
    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
}

// An edit emptied and accepted: the platform's conversion error in the error box; the motor
// window stays open for correction and the program goes on.
void WindowsTest::conversionErrorInTheErrorBoxAndTheWindowStaysOpen()
{
    dcdrive::ui::DcProgram program;
    program.Form1().show();
    ModalScript script;
    script.Then([&](QWidget* motor) {
        script.Expect(motor, QStringLiteral("TForm2"));
        auto* edit = motor->findChild<QLineEdit*>(QStringLiteral("Edit3"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Click(motor, "SpeedButton1", script);
    });
    script.Then(ExpectErrorBox(QStringLiteral("'' is not a valid floating point value"), script));
    script.Then(CloseWindow("TForm2", script));
    program.Form1().ShowMotorWindowClick();

    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(program.Data().nominalCurrent, 0.0);
    QVERIFY(program.Form1().isVisible());
}

void WindowsTest::smallPictureClosesTheAboutBox()
{
    dcdrive::ui::DcProgram program;
    program.Form1().show();
    ModalScript script;
    script.Then([&](QWidget* about) {
        script.Expect(about, QStringLiteral("TForm3"));
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("Image2")), Qt::LeftButton);
    });
    program.Form1().AboutClick();
    QVERIFY2(script.failures().isEmpty(), qPrintable(script.failures().join(u'\n')));
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QVERIFY(!program.Form3().isVisible());
}

QTEST_MAIN(WindowsTest)
#include "windowstest.moc"
