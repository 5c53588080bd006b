#include "acdrive/ui/mainwindow.h"

#include "acdrive/data/diagramgrid.h"
#include "acdrive/data/motorwindow.h"
#include "acdrive/ui/artwork.h"
#include "acdrive/ui/comparisonchart.h"
#include "acdrive/ui/helpwindow.h"
#include "acdrive/ui/messageboxes.h"
#include "acdrive/ui/motorwindow.h"
#include "acdrive/ui/picturefiles.h"
#include "acdrive/ui/resultspane.h"
#include "acdrive/ui/secondgraph.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachochart.h"
#include "acdrive/ui/tachowindow.h"
#include "acdrive/ui/uitexts.h"
#include "common/ui/placement.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace acdrive::ui {
namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

constexpr int kToolButtonSize = 34;
constexpr int kExitButtonInset = 37; // from the tool bar's right edge to the exit button's left edge

} // namespace

TForm1::TForm1(AcWorkingData& working, QWidget* parent)
    : QMainWindow(parent)
    , data_(working)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(Text(kMainCaption));
    setWindowIcon(ProgramIcon());
    resize(630, 429);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    toolBar_ = new QWidget(central);
    toolBar_->setObjectName(QStringLiteral("CoolBar1"));
    toolBar_->setFixedHeight(41);
    toolBar_->setAutoFillBackground(true);
    toolBar_->installEventFilter(this);
    column->addWidget(toolBar_);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    column->addLayout(row, 1);

    // The four views lie on top of each other in one cell; each is shown or hidden on its own.
    auto* clientArea = new QWidget(central);
    clientArea->setObjectName(QStringLiteral("ClientArea"));
    // The charts are made when first needed: at start they lie under the results pane.
    views_ = new QGridLayout(clientArea);
    views_->setContentsMargins(0, 0, 0, 0);
    resultsPane_ = new ResultsPane(clientArea);
    views_->addWidget(resultsPane_, 0, 0);
    row->addWidget(clientArea, 1);
    row->addWidget(BuildSidePanel());

    setCentralWidget(central);
    BuildMenu();
    BuildToolBar(toolBar_);
}

TForm1::~TForm1() = default;

void TForm1::SetCompanions(TForm2* editor, MotorWindow* motor, SplashWindow* splash,
    drive::Prompter* prompter, drive::FileDialogs* fileDialogs)
{
    editor_ = editor;
    motor_ = motor;
    splash_ = splash;
    prompter_ = prompter;
    fileDialogs_ = fileDialogs;
}

void TForm1::BuildMenu()
{
    QMenuBar* bar = menuBar();
    dataMenu_ = bar->addMenu(Text(kMenuData));
    dataMenu_->setObjectName(QStringLiteral("DataMenu"));
    QMenu* motor = dataMenu_->addMenu(Text(kMenuMotor));
    QMenu* singleSpeed = motor->addMenu(Text(kMenuSingleSpeed));
    QAction* wound = singleSpeed->addAction(Text(kMenuWoundRotor));
    wound->setObjectName(QStringLiteral("WoundRotorItem"));
    connect(wound, &QAction::triggered, this, [this] { EnterSingleSpeedMotor(1); });
    QAction* cage = singleSpeed->addAction(Text(kMenuCageRotor));
    cage->setObjectName(QStringLiteral("CageRotorItem"));
    connect(cage, &QAction::triggered, this, [this] { EnterSingleSpeedMotor(2); });
    QAction* multi = motor->addAction(Text(kMenuMultiSpeed));
    multi->setObjectName(QStringLiteral("MultiSpeedItem"));
    connect(multi, &QAction::triggered, this, &TForm1::EnterMultiSpeedMotor);
    QAction* diagram = dataMenu_->addAction(Text(kMenuDiagram));
    diagram->setObjectName(QStringLiteral("DiagramItem"));
    connect(diagram, &QAction::triggered, this, &TForm1::ShowEditor);
    // "Данные" opens with Ctrl+D.
    auto* dataShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(dataShortcut, &QShortcut::activated, this,
        [this] { menuBar()->setActiveAction(dataMenu_->menuAction()); });

    QMenu* calculation = bar->addMenu(Text(kMenuCalculation));
    calculation->setObjectName(QStringLiteral("CalculationMenu"));
    for (int m = 1; m <= kMethodCount; ++m) {
        const auto command = static_cast<AcCommand>(m);
        QAction* action = calculation->addAction(Text(CommandCaption(command)));
        action->setObjectName(QStringLiteral("CalculationItem%1").arg(m));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        calculationActions_[m] = action;
    }

    QMenu* print = bar->addMenu(Text(kMenuPrint));
    QAction* choosePrinter = print->addAction(Text(kMenuChoosePrinter));
    choosePrinter->setObjectName(QStringLiteral("ChoosePrinterItem"));
    connect(choosePrinter, &QAction::triggered, this, &TForm1::ChoosePrinter);
    // "Печать" itself does nothing: printing goes through the printer dialog.
    print->addAction(Text(kMenuPrint))->setObjectName(QStringLiteral("PrintItem"));

    QMenu* help = bar->addMenu(Text(kMenuHelp));
    QAction* contents = help->addAction(Text(kMenuHelpContents));
    contents->setObjectName(QStringLiteral("HelpItem"));
    connect(contents, &QAction::triggered, this, &TForm1::ShowHelp);
    QAction* about = help->addAction(Text(kMenuAbout));
    about->setObjectName(QStringLiteral("AboutItem"));
    connect(about, &QAction::triggered, this, &TForm1::ShowAbout);

    QAction* exit = bar->addAction(Text(kMenuExit));
    exit->setObjectName(QStringLiteral("ExitItem"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

QToolButton* TForm1::AddToolButton(
    QWidget* toolBar, int x, const char* hint, Glyph glyph, void (TForm1::*handler)())
{
    auto* button = new QToolButton(toolBar);
    button->setAutoRaise(true);
    button->setToolTip(Text(hint));
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(24, 24));
    button->setGeometry(x, (41 - kToolButtonSize) / 2, kToolButtonSize, kToolButtonSize);
    if (handler)
        connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TForm1::BuildToolBar(QWidget* toolBar)
{
    struct Tool {
        const char* hint;
        Glyph glyph;
        void (TForm1::*handler)();
        int gapBefore;
    };
    const Tool tools[] = {
        { kHintLoadDiagram, Glyph::OpenDiagram, &TForm1::LoadDiagram, 4 },
        { kHintLoadMotor, Glyph::OpenMotor, &TForm1::LoadMotor, 0 },
        { kHintSaveChart, Glyph::SavePicture, &TForm1::SaveChartPicture, 0 },
        { kHintSaveMotor, Glyph::SaveMotor, &TForm1::SaveMotor, 0 },
        { kHintShowResults, Glyph::Results, &TForm1::ShowResults, 10 },
        { kHintClear, Glyph::Clear, &TForm1::ClearResults, 0 },
        { kHintShowTachogram, Glyph::Tachogram, &TForm1::ShowTachogram, 0 },
        { kHintShowComparison, Glyph::Pie, &TForm1::ShowPie, 0 },
        { kHintShowComparison, Glyph::Bar, &TForm1::ShowBar, 0 },
        { kHintSample, Glyph::Sample, &TForm1::FillSample, 10 },
    };
    viewButtons_ = new QButtonGroup(this);
    viewButtons_->setExclusive(true);
    int x = 0;
    int number = 1;
    for (const Tool& tool : tools) {
        x += tool.gapBefore;
        QToolButton* button = AddToolButton(toolBar, x, tool.hint, tool.glyph, tool.handler);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(number++));
        if (tool.glyph == Glyph::Results || tool.glyph == Glyph::Tachogram || tool.glyph == Glyph::Pie
            || tool.glyph == Glyph::Bar) {
            button->setCheckable(true);
            viewButtons_->addButton(button);
        }
        if (tool.glyph == Glyph::Results)
            resultsButton_ = button;
        x += kToolButtonSize + 1;
    }
    resultsButton_->setChecked(true);
    exitButton_ = AddToolButton(toolBar, 0, kHintExit, Glyph::Exit, nullptr);
    exitButton_->setObjectName(QStringLiteral("ToolButton%1").arg(number));
    connect(exitButton_, &QToolButton::clicked, this, &QWidget::close);
    PlaceExitButton();
}

QWidget* TForm1::BuildSidePanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SidePanel"));
    panel->setFixedWidth(122);
    // The radio captions fit the narrow panel in a slightly smaller type.
    QFont panelFont = panel->font();
    panelFont.setPixelSize(11);
    panel->setFont(panelFont);
    // A narrow gap between a radio button and its caption leaves room for "момент инерции".
    panel->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; font-size: 10px; }"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 2, 0, 2);
    column->setSpacing(4);

    auto* graphGroup = new QGroupBox(Text(kSecondGraphGroup), panel);
    graphGroup->setObjectName(QStringLiteral("GroupBox1"));
    auto* graphColumn = new QVBoxLayout(graphGroup);
    graphColumn->setContentsMargins(1, 2, 0, 2);
    graphColumn->setSpacing(1);
    for (const SecondGraph& graph : kSecondGraphs) {
        auto* button = new QRadioButton(Text(graph.caption), graphGroup);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(graph.tag));
        button->setProperty("tag", graph.tag);
        button->setToolTip(Text(graph.hint));
        graphColumn->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &TForm1::DrawMainChart);
        graphButtons_[graph.tag] = button;
    }
    graphButtons_[2]->setChecked(true);
    column->addWidget(graphGroup);

    auto* comparisonGroup = new QGroupBox(Text(kComparisonGroup), panel);
    comparisonGroup->setObjectName(QStringLiteral("GroupBox2"));
    auto* comparisonColumn = new QVBoxLayout(comparisonGroup);
    comparisonColumn->setContentsMargins(1, 2, 0, 2);
    comparisonColumn->setSpacing(1);
    const char* captions[]
        = { kComparisonEfficiency, kComparisonPowerFactor, kComparisonActivePower, kComparisonReactivePower };
    for (int r = 1; r <= 4; ++r) {
        auto* button = new QRadioButton(Text(captions[r - 1]), comparisonGroup);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(7 + r));
        button->setProperty("tag", r);
        comparisonColumn->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this] {
            if (pieShown_)
                FillComparisonChart(pieChart());
            if (barShown_)
                FillComparisonChart(barChart());
        });
        comparisonButtons_[r] = button;
    }
    comparisonButtons_[1]->setChecked(true);
    column->addWidget(comparisonGroup);
    column->addStretch(1);
    return panel;
}

void TForm1::PlaceExitButton()
{
    exitButton_->move(toolBar_->width() - kExitButtonInset, exitButton_->y());
}

int TForm1::WhatIsGraph() const
{
    for (int tag = 1; tag <= 7; ++tag) {
        if (graphButtons_[tag]->isChecked())
            return tag;
    }
    return 0;
}

int TForm1::ComparisonRow() const
{
    for (int r = 1; r <= 4; ++r) {
        if (comparisonButtons_[r]->isChecked())
            return r;
    }
    return 1;
}

void TForm1::DrawMainChart()
{
    CountPoints(data_);
    TachogramChart& chart = tachogramChart();
    chart.ClearSpeed();
    if (data_.pointCount <= 1) {
        chart.Refresh();
        return;
    }
    DrawSpeed(chart, data_);
    DrawSecondGraph(chart, data_, WhatIsGraph());
}

void TForm1::FillComparisonChart(ComparisonChart& chart)
{
    chart.Fill(data_, ComparisonRow());
}

void TForm1::RefreshCalculationMenu()
{
    menuState_ = UpdateCalculationMenu(data_, menuState_);
    for (int m = 1; m <= kMethodCount; ++m)
        calculationActions_[m]->setEnabled(menuState_[m]);
}

QAction* TForm1::calculationAction(AcCommand command) const
{
    return calculationActions_[static_cast<int>(command)];
}

void TForm1::EnterSingleSpeedMotor(int rotorType)
{
    data_.rotorType = rotorType;
    data_.multiSpeed = false;
    motor_->ShowModal();
    if (data_.motorEntered && data_.diagramEntered)
        RefreshCalculationMenu();
}

void TForm1::EnterMultiSpeedMotor()
{
    try {
        if (EnterSpeedSteps(data_, *prompter_, *motor_))
            RefreshCalculationMenu();
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TForm1::ShowEditor()
{
    editor_->Open();
    if (data_.motorEntered && data_.diagramEntered)
        RefreshCalculationMenu();
}

void TForm1::LoadDiagram()
{
    DiagramLoadResult result;
    try {
        result = LoadDiagramCommand(editor_->grid(), data_, *fileDialogs_, *prompter_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
    editor_->ShowGrid();
    if (!result.gridRead)
        editor_->ShowErrorPanel();
    editor_->DrawTacho();
    // The pane is toggled; the charts behind it keep their own state.
    const bool pane = resultsPane_->isHidden();
    SetViews(pane, tachogramShown_, pieShown_, barShown_);
    if (!pane)
        DrawMainChart();
}

void TForm1::LoadMotor()
{
    try {
        LoadMotorFileAndShow(motor_->texts(), *fileDialogs_, *prompter_, *motor_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TForm1::SaveMotor()
{
    try {
        SaveMotorFile(motor_->texts(), *fileDialogs_, *prompter_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TForm1::RunCommand(AcCommand command)
{
    try {
        RunCalculationCommand(command, data_, *prompter_, *resultsPane_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

TachogramChart& TForm1::tachogramChart()
{
    if (!tachogramChart_) {
        tachogramChart_ = new TachogramChart(TachogramChart::Look::MainWindow);
        tachogramChart_->setObjectName(QStringLiteral("Chart1"));
        AddChartView(tachogramChart_, tachogramShown_);
    }
    return *tachogramChart_;
}

ComparisonChart& TForm1::pieChart()
{
    if (!pieChart_) {
        pieChart_ = new ComparisonChart(ComparisonChart::Kind::Pie);
        pieChart_->setObjectName(QStringLiteral("Chart2"));
        AddChartView(pieChart_, pieShown_);
    }
    return *pieChart_;
}

ComparisonChart& TForm1::barChart()
{
    if (!barChart_) {
        barChart_ = new ComparisonChart(ComparisonChart::Kind::Bar);
        barChart_->setObjectName(QStringLiteral("Chart3"));
        AddChartView(barChart_, barShown_);
    }
    return *barChart_;
}

void TForm1::AddChartView(QWidget* chart, bool shown)
{
    chart->setVisible(shown);
    views_->addWidget(chart, 0, 0);
    resultsPane_->raise();
}

void TForm1::SetViews(bool pane, bool tachogram, bool pie, bool bar)
{
    resultsPane_->setVisible(pane);
    tachogramShown_ = tachogram;
    pieShown_ = pie;
    barShown_ = bar;
    // A chart not made yet is made once the pane no longer covers it.
    if (tachogramChart_ || (tachogram && !pane))
        tachogramChart().setVisible(tachogram);
    if (pieChart_ || (pie && !pane))
        pieChart().setVisible(pie);
    if (barChart_ || (bar && !pane))
        barChart().setVisible(bar);
}

void TForm1::ShowResults()
{
    CountPoints(data_);
    data_.diagramEntered = true;
    SetViews(true, false, false, false);
    resultsButton_->setChecked(true);
}

void TForm1::ClearResults()
{
    resultsPane_->Clear();
}

void TForm1::ShowTachogram()
{
    SetViews(false, true, false, false);
    DrawMainChart();
}

void TForm1::ShowPie()
{
    SetViews(false, false, true, false);
    FillComparisonChart(pieChart());
}

void TForm1::ShowBar()
{
    SetViews(false, false, false, true);
    FillComparisonChart(barChart());
}

void TForm1::FillSample()
{
    UseSampleDrive(data_, menuState_);
    for (int m = 1; m <= kMethodCount; ++m)
        calculationActions_[m]->setEnabled(menuState_[m]);
}

void TForm1::SaveChartPicture()
{
    if (!fileDialogs_)
        return;
    const QString name = AskPictureName(*fileDialogs_);
    if (!name.isEmpty())
        SavePicture(this, tachogramChart(), name);
}

void TForm1::ChoosePrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && resultsPane_->lineCount() > 1)
        resultsPane_->PrintTo(printer);
}

void TForm1::ShowHelp()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TForm1::ShowAbout()
{
    if (splash_)
        splash_->exec();
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MakeWorkingCopies(data_);
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolBar_ && event->type() == QEvent::Resize)
        PlaceExitButton();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        drive::ui::CentreOnScreen(this);
    }
}

} // namespace acdrive::ui
