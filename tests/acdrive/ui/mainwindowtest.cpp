// The main window as its user drives it: the tool bar, the calculation menu, the views and the
// charts, with the prompt dialogs answered through their controls.

#include "acdrive/ui/mainwindow.h"

#include "acdrive/ui/chartstyle.h"
#include "acdrive/ui/comparisonchart.h"
#include "acdrive/ui/dialogprompter.h"
#include "acdrive/ui/helpwindow.h"
#include "acdrive/ui/program.h"
#include "acdrive/ui/resultspane.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachochart.h"
#include "acdrive/ui/uitexts.h"
#include "common/filedialogs.h"
#include "common/numbertext.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using acdrive::AcCommand;
using acdrive::ui::AcProgram;
using acdrive::ui::TForm1;
using drive::ui::ModalScript;

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

// The captions of the enabled calculation items, in menu order.
QStringList EnabledCalculations(TForm1& main)
{
    QStringList enabled;
    for (int m = 1; m <= acdrive::kMethodCount; ++m) {
        QAction* item = main.calculationAction(static_cast<AcCommand>(m));
        if (item->isEnabled())
            enabled.append(item->text());
    }
    return enabled;
}

QList<QPointF> Points(std::initializer_list<std::pair<double, double>> values)
{
    QList<QPointF> points;
    for (const auto& [x, y] : values)
        points.append(QPointF(x, y));
    return points;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void sampleThenRheostatPrintsTheWorkedCheck();
    void calculationErrorIsShownAndTheProgramGoesOn();
    void calculationItemsFollowTheEntryRoute_data();
    void calculationItemsFollowTheEntryRoute();
    void tachogramChartDrawsTheSelectedQuantity_data();
    void tachogramChartDrawsTheSelectedQuantity();
    void comparisonChartsHoldSixValuesPerStretch();
    void chartPictureAlwaysGetsTheBitmapSuffix_data();
    void chartPictureAlwaysGetsTheBitmapSuffix();
    void exitButtonStaysAtTheRightEnd();
    void activationRefreshesTheWorkingCopies();
    void helpAndAboutOpenTheirWindows();
};

void MainWindowTest::sampleThenRheostatPrintsTheWorkedCheck()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QToolButton* sample = uitest::ToolButton(&main, acdrive::ui::kHintSample);
    QVERIFY(sample);
    QTest::mouseClick(sample, Qt::LeftButton);
    QAction* rheostat
        = uitest::MenuItem(&main, { Text(acdrive::ui::kMenuCalculation), QStringLiteral("РСР") });
    QVERIFY(rheostat);
    QVERIFY(rheostat->isEnabled());

    // Added resistance 0 for the start, a direct start, 0 for the steady run, plugging for the
    // stop and 0 for its resistance: the answers of the worked check.
    ModalScript script;
    QStringList questions;
    script.Then(uitest::TypeNumber(QStringLiteral("0"), &questions));
    script.Then(uitest::PickOption(1, &questions));
    script.Then(uitest::TypeNumber(QStringLiteral("0"), &questions));
    script.Then(uitest::PickOption(2, &questions));
    script.Then(uitest::TypeNumber(QStringLiteral("0"), &questions));
    rheostat->trigger();

    QCOMPARE(script.failures(), QStringList());
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(
        questions.value(0), QStringLiteral("Участок №1\nПриведенное добавочное\nсопротивление ротора :"));
    QCOMPARE(questions.value(1), QStringLiteral("Пуск, участок №1\n:"));
    QCOMPARE(
        main.resultsPane().lines(), uitest::FileLines(QStringLiteral("drivecalc/rheostat-sample.expected")));
    // The command does not switch the view.
    QVERIFY(main.resultsPane().isVisible());
}

void MainWindowTest::calculationErrorIsShownAndTheProgramGoesOn()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.show();
    main.FillSample();

    // OK on an empty field: the answer is not a number, the calculation ends in the error box.
    {
        ModalScript script;
        script.Then(uitest::TypeNumber(QString()));
        script.Then(uitest::ExpectErrorBox(QString::fromStdString(drive::NotAFloatMessage("")), script));
        main.calculationAction(AcCommand::Rheostat)->trigger();
        QCOMPARE(script.failures(), QStringList());
        QCOMPARE(script.remaining(), std::size_t { 0 });
        QCOMPARE(main.resultsPane().lineCount(), 0);
    }

    // The program goes on: the same command now runs to its report.
    ModalScript again;
    again.Then(uitest::TypeNumber(QStringLiteral("0")));
    again.Then(uitest::PickOption(1));
    again.Then(uitest::TypeNumber(QStringLiteral("0")));
    again.Then(uitest::PickOption(2));
    again.Then(uitest::TypeNumber(QStringLiteral("0")));
    main.calculationAction(AcCommand::Rheostat)->trigger();
    QCOMPARE(again.failures(), QStringList());
    QCOMPARE(main.resultsPane().lineCount(), 10);
}

void MainWindowTest::calculationItemsFollowTheEntryRoute_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("nothing entered") << "start" << QStringList();
    const QStringList wound { QStringLiteral("ТРН - АД"), QStringLiteral("РСР"), QStringLiteral("ИРР") };
    const QStringList cage { QStringLiteral("Сеть - АД"), QStringLiteral("ПЧ - АД"),
        QStringLiteral("ТРН - АД") };
    QTest::newRow("sample drive (wound rotor)") << "sample" << wound;
    QTest::newRow("фазный, motor window accepted") << "wound" << wound;
    QTest::newRow("короткозамкнутый, motor window accepted") << "cage" << cage;
    QTest::newRow("фазный, motor window cancelled") << "wound-cancelled" << QStringList();
    QTest::newRow("многоскоростной, two speeds accepted")
        << "multi" << QStringList { QStringLiteral("Многоск. АД") };
    QTest::newRow("многоскоростной, 11 speeds refused") << "multi-refused" << QStringList();
}

void MainWindowTest::calculationItemsFollowTheEntryRoute()
{
    QFETCH(QString, route);
    QFETCH(QStringList, enabled);
    AcProgram program;
    TForm1& main = program.mainWindow();
    const auto press = [](const char* button) {
        return [button](QWidget* window) {
            QTest::mouseClick(window->findChild<QToolButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        };
    };
    const QString motor = Text(acdrive::ui::kMenuMotor);
    const QString single = Text(acdrive::ui::kMenuSingleSpeed);
    ModalScript script;
    if (route == QStringLiteral("sample")) {
        QTest::mouseClick(uitest::ToolButton(&main, acdrive::ui::kHintSample), Qt::LeftButton);
    } else if (route.startsWith(QStringLiteral("wound")) || route == QStringLiteral("cage")) {
        script.Then(press(route == QStringLiteral("wound-cancelled") ? "SpeedButton4" : "SpeedButton3"));
        const char* item
            = route == QStringLiteral("cage") ? acdrive::ui::kMenuCageRotor : acdrive::ui::kMenuWoundRotor;
        uitest::MenuItem(&main, { Text(acdrive::ui::kMenuData), motor, single, Text(item) })->trigger();
    } else if (route == QStringLiteral("multi")) {
        script.Then(uitest::TypeNumber(QStringLiteral("2")));
        script.Then(press("SpeedButton3"));
        script.Then(press("SpeedButton3"));
        uitest::MenuItem(&main, { Text(acdrive::ui::kMenuData), motor, Text(acdrive::ui::kMenuMultiSpeed) })
            ->trigger();
    } else if (route == QStringLiteral("multi-refused")) {
        script.Then(uitest::TypeNumber(QStringLiteral("11")));
        script.Then([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
        uitest::MenuItem(&main, { Text(acdrive::ui::kMenuData), motor, Text(acdrive::ui::kMenuMultiSpeed) })
            ->trigger();
    }
    QCOMPARE(script.failures(), QStringList());
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QCOMPARE(EnabledCalculations(main), enabled);
}

void MainWindowTest::tachogramChartDrawsTheSelectedQuantity_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("axisTitle");
    QTest::addColumn<QString>("seriesTitle");
    QTest::addColumn<QList<QPointF>>("load");
    QTest::newRow("момент: static torque")
        << 1 << QStringLiteral("статический момент") << QStringLiteral("М стат")
        << Points(
               { { 0, 0 }, { 0.576, 30 }, { 5.5, 30 }, { 6, 30 }, { 8, -30 }, { 11.5, -30 }, { 12, -30 } });
    QTest::newRow("момент инерции: inertia")
        << 2 << QStringLiteral("момент инерции") << QStringLiteral("Jмех")
        << Points({ { 0, 0 }, { 0.576, 0.5 }, { 5.5, 0.5 }, { 6, 0.5 }, { 8, 0.5 }, { 11.5, 0.5 },
               { 12, 0.5 } });
    QTest::newRow("dQ: losses of the last calculation")
        << 7 << QStringLiteral("dQ") << QStringLiteral("dQ")
        << Points({ { 0, 0 }, { 0.576, 100 }, { 5.5, 200 }, { 6, 300 }, { 8, 400 }, { 11.5, 500 },
               { 12, 600 } });
    QTest::newRow("none checked: only the starting point")
        << 0 << QString() << QStringLiteral("Момент") << Points({ { 0, 0 } });
}

void MainWindowTest::tachogramChartDrawsTheSelectedQuantity()
{
    QFETCH(int, tag);
    QFETCH(QString, axisTitle);
    QFETCH(QString, seriesTitle);
    QFETCH(QList<QPointF>, load);
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.FillSample();
    for (int i = 1; i <= 6; ++i)
        program.data().stretchLosses[i] = 100.0 * i;

    if (tag == 0) {
        for (QRadioButton* button :
            main.findChild<QWidget*>(QStringLiteral("GroupBox1"))->findChildren<QRadioButton*>()) {
            button->setAutoExclusive(false);
            button->setChecked(false);
        }
    } else {
        QTest::mouseClick(main.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(tag)),
            Qt::LeftButton, {}, QPoint(6, 8));
    }
    QTest::mouseClick(uitest::ToolButton(&main, acdrive::ui::kHintShowTachogram), Qt::LeftButton);

    // Showing the tachogram recounts the points: all seven of the sample, not the four calculated.
    QCOMPARE(program.data().pointCount, std::uint16_t { 7 });
    acdrive::ui::TachogramChart& chart = main.tachogramChart();
    QVERIFY(!chart.isHidden());
    QVERIFY(main.resultsPane().isHidden());
    QCOMPARE(chart.speedPoints(),
        Points({ { 0, 0 }, { 0.576, 98 }, { 5.5, 98 }, { 6, 0 }, { 8, -100 }, { 11.5, -100 }, { 12, 0 } }));
    QCOMPARE(chart.loadPoints(), load);
    QCOMPARE(chart.rightAxisTitle(), axisTitle);
    QCOMPARE(chart.loadSeriesTitle(), seriesTitle);
}

void MainWindowTest::comparisonChartsHoldSixValuesPerStretch()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    acdrive::AcWorkingData& data = program.data();
    data.pointCount = 4;
    for (int i = 1; i <= 3; ++i) {
        data.methodResults[3].rows[1][i] = 0.1 * i; // efficiency of "ТРН - АД"
        data.methodResults[3].rows[2][i] = 0.2 * i; // its power factor
        data.methodResults[5].rows[2][i] = 0.3 * i; // power factor of "ИРР"
    }
    const auto expected = [&](int row) {
        QList<double> values;
        for (int i = 1; i <= 3; ++i) {
            for (int m = 1; m <= 6; ++m)
                values.append(data.methodResults[m].rows[row][i]);
        }
        return values;
    };
    QList<QColor> colours;
    for (int i = 1; i <= 3; ++i) {
        for (int m = 1; m <= 6; ++m)
            colours.append(acdrive::ui::MethodColour(m));
    }

    const QList<QToolButton*> views = uitest::ToolButtons(&main, acdrive::ui::kHintShowComparison);
    QCOMPARE(views.size(), 2);
    QTest::mouseClick(views[0], Qt::LeftButton);
    QVERIFY(!main.pieChart().isHidden());
    QCOMPARE(main.pieChart().values(), expected(1));
    QCOMPARE(main.pieChart().colours(), colours);

    // Another quantity refills the chart that is shown.
    QTest::mouseClick(
        main.findChild<QRadioButton*>(QStringLiteral("RadioButton9")), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(main.pieChart().values(), expected(2));

    QTest::mouseClick(views[1], Qt::LeftButton);
    QVERIFY(main.pieChart().isHidden());
    QCOMPARE(main.barChart().values(), expected(2));
    QCOMPARE(main.barChart().colours(), colours);
}

void MainWindowTest::chartPictureAlwaysGetsTheBitmapSuffix_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << "chart"
                                << "chart.bmp";
    QTest::newRow("name already ending in .bmp") << "chart.bmp"
                                                 << "chart.bmp.bmp";
}

void MainWindowTest::chartPictureAlwaysGetsTheBitmapSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir folder;
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.show();
    main.FillSample();
    main.ShowTachogram();

    // The save dialog answers with the chosen name and records its filter.
    class ChosenName : public drive::FileDialogs {
    public:
        std::string name;
        std::string filter;
        std::optional<std::string> GetSaveFileName(const std::string& f) override
        {
            filter = f;
            return name;
        }
        std::optional<std::string> GetOpenFileName(const std::string&) override { return std::nullopt; }
    } dialogs;
    dialogs.name = folder.filePath(chosen).toStdString();
    main.SetCompanions(
        &program.editor(), &program.motorWindow(), &program.splash(), &program.prompter(), &dialogs);
    QTest::mouseClick(uitest::ToolButton(&main, acdrive::ui::kHintSaveChart), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(dialogs.filter), QStringLiteral("Точечные рисунки|*.bmp"));

    QFile picture(folder.filePath(written));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    QCOMPARE(picture.read(2), QByteArray("BM"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { written });
}

void MainWindowTest::exitButtonStaysAtTheRightEnd()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.show();
    QToolButton* exit = uitest::ToolButton(&main, acdrive::ui::kHintExit);
    QWidget* toolBar = main.findChild<QWidget*>(QStringLiteral("CoolBar1"));
    QVERIFY(exit && toolBar);
    for (const QSize size : { QSize(630, 429), QSize(900, 500), QSize(700, 450) }) {
        main.resize(size);
        QTRY_COMPARE(toolBar->width(), main.width());
        QCOMPARE(exit->x(), toolBar->width() - 37);
    }
}

void MainWindowTest::activationRefreshesTheWorkingCopies()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    program.data().tachoPoints[3].time = 2.5;
    program.data().stretchLoads[3].inertia = 0.75;
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(program.data().workTime[3], 2.5);
    QCOMPARE(program.data().workInertia[3], 0.75);
}

void MainWindowTest::helpAndAboutOpenTheirWindows()
{
    AcProgram program;
    TForm1& main = program.mainWindow();
    main.show();

    uitest::MenuItem(&main, { Text(acdrive::ui::kMenuHelp), Text(acdrive::ui::kMenuHelpContents) })
        ->trigger();
    auto* help = main.findChild<acdrive::ui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    const QString guide = help->browser().toPlainText();
    for (int m = 1; m <= 6; ++m)
        QVERIFY2(guide.contains(Text(acdrive::CommandCaption(static_cast<AcCommand>(m)))),
            acdrive::CommandCaption(static_cast<AcCommand>(m)));

    // The about box is the splash window, modal; a click on its picture closes it.
    ModalScript script;
    script.Then([&](QWidget* window) {
        if (window != &program.splash())
            script.AddFailure(QStringLiteral("expected the splash window"));
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(180, 200));
    });
    uitest::MenuItem(&main, { Text(acdrive::ui::kMenuHelp), Text(acdrive::ui::kMenuAbout) })->trigger();
    QCOMPARE(script.failures(), QStringList());
    QCOMPARE(script.remaining(), std::size_t { 0 });
    QVERIFY(program.splash().isHidden());
}

QTEST_MAIN(MainWindowTest)
#include "mainwindowtest.moc"
