#include "acdrive/ui/tachowindow.h"

#include "acdrive/data/diagramgrid.h"
#include "acdrive/ui/artwork.h"
#include "acdrive/ui/messageboxes.h"
#include "acdrive/ui/picturefiles.h"
#include "acdrive/ui/secondgraph.h"
#include "acdrive/ui/tachochart.h"
#include "acdrive/ui/uitexts.h"
#include "common/tahfile.h"
#include "common/ui/placement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace acdrive::ui {
namespace {

constexpr int kChartWidth = 605;
constexpr int kChartHeight = 323;
constexpr int kButtonSize = 32;

} // namespace

TForm2::TForm2(
    AcWorkingData& working, drive::FileDialogs& dialogs, drive::Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , data_(working)
    , dialogs_(dialogs)
    , prompter_(prompter)
    , grid_(NewDiagramGrid())
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QString::fromUtf8(kEditorCaption));
    setWindowIcon(ProgramIcon());
    setFixedSize(612, 489);
}

void TForm2::EnsureBuilt()
{
    if (chartArea_)
        return;
    chartArea_ = new QWidget(this);
    chartArea_->setGeometry(3, 2, kChartWidth, kChartHeight);

    gradient_ = new QCheckBox(QString::fromUtf8(kGradientCheck), chartArea_);
    gradient_->setObjectName(QStringLiteral("CheckBox1"));
    gradient_->setChecked(true);
    gradient_->adjustSize();
    gradient_->move(kChartWidth - gradient_->width() - 8, kChartHeight - gradient_->height() - 4);
    connect(gradient_, &QCheckBox::clicked, this, &TForm2::CheckBox1Click);

    errorPanel_ = new QGroupBox(QString::fromUtf8(kErrorPanel), chartArea_);
    errorPanel_->setObjectName(QStringLiteral("GroupBox2"));
    errorPanel_->setAutoFillBackground(true);
    QPalette red = errorPanel_->palette();
    red.setColor(QPalette::Window, QColor(230, 40, 40));
    red.setColor(QPalette::WindowText, Qt::white);
    errorPanel_->setPalette(red);
    errorPanel_->setGeometry(122, 110, 360, 100);
    auto* panelColumn = new QVBoxLayout(errorPanel_);
    auto* message = new QLabel(QString::fromUtf8(kErrorPanelText), errorPanel_);
    message->setObjectName(QStringLiteral("Label12"));
    message->setAlignment(Qt::AlignCenter);
    panelColumn->addWidget(message);
    auto* ok = new QPushButton(QString::fromUtf8(kErrorPanelOk), errorPanel_);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setPalette(QPalette());
    ok->setFixedWidth(80);
    panelColumn->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &TForm2::Button1Click);
    errorPanel_->hide();

    table_ = new QTableWidget(kDiagramShownRows, kDiagramGridColumns, this);
    table_->setObjectName(QStringLiteral("StringGrid1"));
    table_->setGeometry(3, kChartHeight + 6, kChartWidth, 489 - kChartHeight - 6 - kButtonSize - 8);
    // The grid's narrow columns take a slightly smaller type.
    QFont gridFont = table_->font();
    gridFont.setPixelSize(11);
    table_->setFont(gridFont);
    table_->horizontalHeader()->setFont(gridFont);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setMinimumSectionSize(20);
    for (int column = 0; column < kDiagramGridColumns; ++column) {
        table_->setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromStdString(grid_.Cell(0, column))));
        table_->setColumnWidth(column, kDiagramColumnWidths[static_cast<std::size_t>(column)]);
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::itemChanged, this, &TForm2::CellEdited);
    connect(table_, &QTableWidget::cellClicked, this, [this] { StringGrid1Click(); });
    ShowGrid();

    AddButton(0, "SpeedButton4", kHintBuild, static_cast<int>(Glyph::Build), &TForm2::SpeedButton4Click);
    AddButton(1, "SpeedButton5", kHintReset, static_cast<int>(Glyph::Reset), &TForm2::SpeedButton5Click);
    AddButton(
        2, "SpeedButton1", kHintOpenDiagram, static_cast<int>(Glyph::OpenFile), &TForm2::SpeedButton1Click);
    AddButton(3, "SpeedButton2", kHintSaveDiagram, static_cast<int>(Glyph::SaveDiagram),
        &TForm2::SpeedButton2Click);
    AddButton(4, "SpeedButton3", kHintSavePicture, static_cast<int>(Glyph::SavePicture),
        &TForm2::SpeedButton3Click);
    AddButton(5, "SpeedButton6", kHintAccept, static_cast<int>(Glyph::Accept), &TForm2::SpeedButton6Click);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->show();
    if (errorPanelPending_)
        ShowErrorPanel();
}

TForm2::~TForm2() = default;

QToolButton* TForm2::AddButton(
    int index, const char* name, const char* hint, int glyph, void (TForm2::*handler)())
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(GlyphIcon(static_cast<Glyph>(glyph)));
    button->setIconSize(QSize(24, 24));
    button->setGeometry(6 + index * (kButtonSize + 4), 489 - kButtonSize - 4, kButtonSize, kButtonSize);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

TachogramChart& TForm2::chart()
{
    EnsureBuilt();
    if (!chart_) {
        chart_ = new TachogramChart(TachogramChart::Look::Editor, chartArea_);
        chart_->setObjectName(QStringLiteral("Chart1"));
        chart_->setGeometry(0, 0, kChartWidth, kChartHeight);
        chart_->SetGradientVisible(gradient_->isChecked());
        chart_->show();
        chart_->lower();
    }
    return *chart_;
}

void TForm2::ShowGrid()
{
    if (!table_)
        return;
    showingGrid_ = true;
    for (int row = 1; row <= kDiagramShownRows; ++row) {
        for (int column = 0; column < kDiagramGridColumns; ++column) {
            const QString text = QString::fromStdString(grid_.Cell(row, column));
            QTableWidgetItem* item = table_->item(row - 1, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (column == 0) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(palette().button());
                }
                table_->setItem(row - 1, column, item);
            }
            if (item->text() != text)
                item->setText(text);
        }
    }
    showingGrid_ = false;
}

void TForm2::CellEdited(QTableWidgetItem* item)
{
    if (!showingGrid_ && item->column() > 0)
        grid_.SetCell(item->row() + 1, item->column(), item->text().toStdString());
}

void TForm2::RunGridOperation(const std::function<bool()>& operation)
{
    bool read = true;
    try {
        read = operation();
    } catch (const std::exception& error) {
        ShowGrid();
        ShowErrorBox(this, error);
        return;
    }
    ShowGrid();
    if (!read)
        ShowErrorPanel();
    DrawTacho();
}

void TForm2::Open()
{
    EnsureBuilt();
    if (!placed_) {
        placed_ = true;
        drive::ui::CentreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    FormActivate();
}

void TForm2::FormActivate()
{
    RunGridOperation([this] {
        DiagramToGrid(data_, grid_);
        return GridToDiagram(grid_, data_);
    });
}

void TForm2::DrawTacho()
{
    // Not opened yet: the chart is drawn when the window is opened.
    if (!chart_ && isHidden())
        return;
    TachogramChart& c = chart();
    DrawSpeed(c, data_);
    DrawSecondGraph(c, data_, whatIsGraph_ ? whatIsGraph_() : 0);
}

void TForm2::ShowErrorPanel()
{
    if (!errorPanel_) {
        errorPanelPending_ = true;
        return;
    }
    errorPanelPending_ = false;
    errorPanel_->show();
    errorPanel_->raise();
}

void TForm2::StringGrid1Click()
{
    RunGridOperation([this] { return CompleteGridRows(grid_, data_); });
}

void TForm2::CheckBox1Click()
{
    chart().SetGradientVisible(gradient_->isChecked());
}

void TForm2::Button1Click()
{
    errorPanel_->hide();
}

void TForm2::SpeedButton4Click()
{
    RunGridOperation([this] { return GridToDiagram(grid_, data_); });
}

void TForm2::SpeedButton5Click()
{
    ResetDiagram(grid_, data_);
    ShowGrid();
    TachogramChart& c = chart();
    c.ClearSpeed();
    c.ClearLoad();
    c.Refresh();
}

void TForm2::SpeedButton1Click()
{
    RunGridOperation([this] { return OpenDiagramFile(grid_, data_, dialogs_, prompter_); });
}

void TForm2::SpeedButton2Click()
{
    try {
        drive::SaveDiagramFile(grid_, dialogs_, prompter_, drive::kAcTahFilter);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TForm2::SpeedButton3Click()
{
    const QString name = AskPictureName(dialogs_);
    if (!name.isEmpty())
        SavePicture(this, chart(), name);
}

void TForm2::SpeedButton6Click()
{
    AcceptDiagram(data_);
    close();
}

void TForm2::showEvent(QShowEvent* event)
{
    EnsureBuilt();
    QWidget::showEvent(event);
    chart();
}

} // namespace acdrive::ui
