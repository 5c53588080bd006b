#include "dcdrive/ui/mainwindow.h"

#include "common/ui/placement.h"
#include "dcdrive/calc/entrychecks.h"
#include "dcdrive/data/tachogrid.h"
#include "dcdrive/ui/aboutbox.h"
#include "dcdrive/ui/controls.h"
#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/motorwindow.h"
#include "dcdrive/ui/systemwindows.h"
#include "dcdrive/ui/tachochart.h"
#include "dcdrive/ui/tachoeditor.h"
#include "dcdrive/ui/uitexts.h"

#include <QButtonGroup>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

namespace dcdrive::ui {
namespace {

// Height of the tool bar, pixels.
constexpr int kCoolBarHeight = 35;

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TForm1::TForm1(DcServices& services, DcForms& forms, QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , forms_(forms)
    , memo1_(new QPlainTextEdit)
    , views_(new QStackedWidget)
    , speedButton4_(nullptr)
    , speedButton7_(nullptr)
    , memoSink_(*memo1_)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(Text(kMainCaption));
    // An outer size of 514 × 376 with the frame of a desktop window.
    resize(506, 349);

    QMenuBar* menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menu->addMenu(Text(kMenuFile));
    connect(file->addAction(Text(kMenuLoadDiagram)), &QAction::triggered, this, &TForm1::LoadDiagramIntoMain);
    connect(file->addAction(Text(kMenuLoadMotor)), &QAction::triggered, this, &TForm1::LoadMotorData);
    // The two save items are there and do nothing.
    file->addAction(Text(kMenuSaveDiagram));
    file->addAction(Text(kMenuSaveMotor));
    file->addSeparator();
    connect(file->addAction(Text(kMenuExit)), &QAction::triggered, this, &QWidget::close);
    QMenu* input = menu->addMenu(Text(kMenuInput));
    connect(input->addAction(Text(kMenuTachogram)), &QAction::triggered, this, &TForm1::ShowTachoEditorClick);
    connect(input->addAction(Text(kMenuMotor)), &QAction::triggered, this, &TForm1::ShowMotorWindowClick);
    QMenu* calculation = menu->addMenu(Text(kMenuCalculation));
    connect(calculation->addAction(Text(kMenuGeneratorMotor)), &QAction::triggered, this,
        &TForm1::GeneratorMotorClick);
    connect(calculation->addAction(Text(kMenuConverterMotor)), &QAction::triggered, this,
        &TForm1::ConverterMotorClick);
    QMenu* help = menu->addMenu(Text(kMenuHelp));
    connect(help->addAction(Text(kMenuAbout)), &QAction::triggered, this, &TForm1::AboutClick);

    auto* coolBar = new QToolBar(this);
    coolBar->setObjectName(QStringLiteral("CoolBar1"));
    coolBar->setMovable(false);
    coolBar->setFloatable(false);
    coolBar->setFixedHeight(kCoolBarHeight);
    coolBar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, coolBar);
    QToolButton* speedButton1
        = MakeSpeedButton(coolBar, "SpeedButton1", ButtonImage::OpenDiagram, kHintLoadDiagram);
    QToolButton* speedButton2
        = MakeSpeedButton(coolBar, "SpeedButton2", ButtonImage::OpenMotor, kHintLoadMotor);
    QToolButton* speedButton5
        = MakeSpeedButton(coolBar, "SpeedButton5", ButtonImage::SaveDiagram, kHintSaveDiagram);
    QToolButton* speedButton3
        = MakeSpeedButton(coolBar, "SpeedButton3", ButtonImage::SaveMotor, kHintSaveMotor);
    speedButton4_ = MakeSpeedButton(coolBar, "SpeedButton4", ButtonImage::Results, kHintShowResults);
    QToolButton* speedButton6 = MakeSpeedButton(coolBar, "SpeedButton6", ButtonImage::Clear, kHintClear);
    speedButton7_ = MakeSpeedButton(coolBar, "SpeedButton7", ButtonImage::Chart, kHintShowChart);
    QToolButton* speedButton8 = MakeSpeedButton(coolBar, "SpeedButton8", ButtonImage::Exit);
    for (QToolButton* button : { speedButton1, speedButton2, speedButton5, speedButton3 })
        coolBar->addWidget(button);
    coolBar->addSeparator();
    for (QToolButton* button : { speedButton4_, speedButton6, speedButton7_ })
        coolBar->addWidget(button);
    coolBar->addSeparator();
    auto* spring = new QWidget(coolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    coolBar->addWidget(spring);
    coolBar->addWidget(speedButton8);

    // Exactly one of the two views' buttons is down at a time.
    auto* views = new QButtonGroup(this);
    views->setExclusive(true);
    for (QToolButton* button : { speedButton4_, speedButton7_ }) {
        button->setCheckable(true);
        views->addButton(button);
    }
    speedButton4_->setChecked(true);

    connect(speedButton1, &QToolButton::clicked, this, &TForm1::LoadDiagramIntoMain);
    connect(speedButton2, &QToolButton::clicked, this, &TForm1::LoadMotorData);
    connect(speedButton4_, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(speedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(speedButton7_, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    connect(speedButton8, &QToolButton::clicked, this, &QWidget::close);

    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    views_->addWidget(memo1_);
    views_->setCurrentWidget(memo1_);
    setCentralWidget(views_);
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        drive::ui::CentreOnScreen(this);
    }
}

void TForm1::LoadDiagramIntoMain()
{
    Guarded(this, [this] {
        forms_.Form4().LoadDiagramFile();
        ShowChart();
    });
}

void TForm1::LoadMotorData()
{
    Guarded(this, [this] { forms_.Form2().LoadMotorDataFile(); });
}

void TForm1::GeneratorMotorClick()
{
    Guarded(this, [this] {
        EnsureCalculationInputs(services_.data, services_.prompter, services_.windows);
        forms_.Form5().exec();
    });
}

void TForm1::ConverterMotorClick()
{
    Guarded(this, [this] {
        EnsureCalculationInputs(services_.data, services_.prompter, services_.windows);
        forms_.Form6().exec();
    });
}

void TForm1::ShowTachoEditorClick()
{
    services_.windows.ShowTachoEditor();
}

void TForm1::ShowMotorWindowClick()
{
    services_.windows.ShowMotorWindow();
}

void TForm1::AboutClick()
{
    forms_.Form3().exec();
}

void TForm1::SpeedButton4Click()
{
    speedButton4_->setChecked(true);
    views_->setCurrentWidget(memo1_);
}

void TForm1::SpeedButton6Click()
{
    memoSink_.Clear();
}

void TForm1::SpeedButton7Click()
{
    Guarded(this, [this] { ShowChart(); });
}

void TForm1::ShowChart()
{
    speedButton7_->setChecked(true);
    if (!chart1_) {
        chart1_ = new TachogramChart(TachogramChart::SpeedAxis::Automatic);
        views_->addWidget(chart1_);
    }
    views_->setCurrentWidget(chart1_);
    if (const std::optional<TachoChart> drawn
        = DrawTachogram(forms_.Form4().Grid(), services_.data, services_.prompter))
        chart1_->Show(*drawn);
}

} // namespace dcdrive::ui
