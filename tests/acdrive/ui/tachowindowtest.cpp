// The tachogram editor: the grid typed as a user types it, its completion on a click, the red
// error panel, the accept, and the chart of the quantity chosen in the main window.

#include "acdrive/ui/tachowindow.h"

#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/program.h"
#include "acdrive/ui/tachochart.h"
#include "uitestsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using acdrive::ui::AcProgram;
using acdrive::ui::TForm2;

namespace {

// Puts a cell's text as the grid's cell editor does when the user has typed it.
void TypeCell(QTableWidget* table, int row, int column, const QString& text)
{
    table->item(row - 1, column)->setText(text);
}

void ClickCell(QTableWidget* table, int row, int column)
{
    const QRect cell = table->visualItemRect(table->item(row - 1, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TachoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void clickCompletesRowsAndBadTextShowsTheErrorPanel();
    void chartShowsTheMainWindowSelection();
};

void TachoWindowTest::clickCompletesRowsAndBadTextShowsTheErrorPanel()
{
    AcProgram program;
    TForm2& editor = program.editor();
    editor.Open();
    auto* table = editor.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    auto* panel = editor.findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    QVERIFY(table && panel);
    QCOMPARE(table->rowCount(), 30);
    QVERIFY(panel->isHidden());

    // Row 2: time and speed give the acceleration; row 3: time and acceleration give the speed;
    // row 4: speed and acceleration give the time.
    TypeCell(table, 2, 1, QStringLiteral("2"));
    TypeCell(table, 2, 2, QStringLiteral("100"));
    TypeCell(table, 3, 1, QStringLiteral("4"));
    TypeCell(table, 3, 4, QStringLiteral("25"));
    TypeCell(table, 4, 2, QStringLiteral("60"));
    TypeCell(table, 4, 4, QStringLiteral("12,5"));
    ClickCell(table, 1, 3);
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("50"));
    QCOMPARE(table->item(2, 2)->text(), QStringLiteral("100"));
    QCOMPARE(table->item(3, 1)->text(), QStringLiteral("4,8"));
    QCOMPARE(program.data().tachoPoints[4].time, 4.8);
    QCOMPARE(program.data().pointCount, std::uint16_t { 31 });
    QVERIFY(panel->isHidden());

    // A point as decimal separator: the panel shows and stays until its "ОК".
    TypeCell(table, 5, 3, QStringLiteral("1.5"));
    QTest::mouseClick(editor.findChild<QToolButton*>(QStringLiteral("SpeedButton4")), Qt::LeftButton);
    QVERIFY(!panel->isHidden());
    QCOMPARE(panel->title(), QStringLiteral(" Ошибка "));
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("Label12"))->text(),
        QStringLiteral("Введеные данные содержат ошибку повторите ввод"));
    ClickCell(table, 1, 3);
    QVERIFY(!panel->isHidden());
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(panel->isHidden());

    // Accepting does not read the grid: 31 points, the diagram entered, the window closed.
    program.data().pointCount = 4;
    program.data().diagramEntered = false;
    QTest::mouseClick(editor.findChild<QToolButton*>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
    QCOMPARE(program.data().pointCount, std::uint16_t { 31 });
    QVERIFY(program.data().diagramEntered);
    QVERIFY(editor.isHidden());
}

void TachoWindowTest::chartShowsTheMainWindowSelection()
{
    AcProgram program;
    acdrive::ui::TForm1& main = program.mainWindow();
    main.FillSample();
    for (int i = 1; i <= 30; ++i)
        program.data().stretchLosses[i] = 10.0 * i;
    QTest::mouseClick(
        main.findChild<QRadioButton*>(QStringLiteral("RadioButton7")), Qt::LeftButton, {}, QPoint(6, 8));

    // Opening reads the grid (31 points) and draws the losses of the last calculation as steps.
    TForm2& editor = program.editor();
    editor.Open();
    acdrive::ui::TachogramChart& chart = editor.chart();
    QCOMPARE(chart.speedPoints().size(), 31);
    QCOMPARE(chart.loadPoints().size(), 31);
    QCOMPARE(chart.loadPoints().at(0), QPointF(0, 0));
    QCOMPARE(chart.loadPoints().at(1), QPointF(0.576, 10));
    QCOMPARE(chart.loadPoints().at(3), QPointF(6, 30));
    QCOMPARE(chart.rightAxisTitle(), QStringLiteral("dQ"));

    // "градиент" switches the background at once.
    auto* gradient = editor.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    QVERIFY(chart.gradientVisible());
    QTest::mouseClick(gradient, Qt::LeftButton, {}, QPoint(6, gradient->height() / 2));
    QVERIFY(!chart.gradientVisible());
    QTest::mouseClick(gradient, Qt::LeftButton, {}, QPoint(6, gradient->height() / 2));
    QVERIFY(chart.gradientVisible());
}

QTEST_MAIN(TachoWindowTest)
#include "tachowindowtest.moc"
