#include "dcdrive/ui/tachoeditor.h"

#include "common/ui/placement.h"
#include "dcdrive/data/tachogrid.h"
#include "dcdrive/ui/controls.h"
#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/tachochart.h"
#include "dcdrive/ui/uitexts.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace dcdrive::ui {
namespace {

// Point rows the grid shows without scrolling.
constexpr int kVisibleRows = 8;

// The editor of a cell hands every change to the grid at once, so a button pressed while a cell
// is being typed in works on what the cell shows.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveCellDelegate*>(this);
            QObject::connect(
                line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

// Paints the header text of the grid's top left cell on the table's corner button.
class CornerCaption : public QObject {
public:
    CornerCaption(QAbstractButton* corner, QString text, const QFont& font)
        : QObject(corner)
        , text_(std::move(text))
        , font_(font)
    {
        corner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* corner = static_cast<QAbstractButton*>(watched);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.fontMetrics = QFontMetrics(font_);
        option.rect = corner->rect();
        option.text = text_;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(corner);
        painter.setFont(font_);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }

private:
    QString text_;
    QFont font_;
};

} // namespace

TForm4::TForm4(DcServices& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , grid_(MakeTachoGrid())
    , chart1_(new TachogramChart(TachogramChart::SpeedAxis::Fixed, this))
    , stringGrid1_(new QTableWidget(kTachoPointRows, kTachoGridColumns - 1, this))
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QString::fromUtf8(kTachoEditorCaption));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(640, 545);

    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    stringGrid1_->setItemDelegate(new LiveCellDelegate(stringGrid1_));
    stringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid1_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    stringGrid1_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* top = stringGrid1_->horizontalHeader();
    QHeaderView* left = stringGrid1_->verticalHeader();
    for (QHeaderView* header : { top, left }) {
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
    }
    top->setFixedHeight(kTachoRowHeight);
    left->setMinimumSectionSize(kTachoRowHeight);
    left->setDefaultSectionSize(kTachoRowHeight);
    left->setFixedWidth(kTachoColumnWidths[0]);
    for (int column = 1; column < kTachoGridColumns; ++column)
        stringGrid1_->setColumnWidth(column - 1, kTachoColumnWidths[static_cast<std::size_t>(column)]);
    QStringList headers;
    for (int column = 1; column < kTachoGridColumns; ++column)
        headers.append(QString::fromStdString(grid_.Cell(0, column)));
    stringGrid1_->setHorizontalHeaderLabels(headers);
    QStringList pointNumbers;
    for (int row = 1; row <= kTachoPointRows; ++row)
        pointNumbers.append(QString::fromStdString(grid_.Cell(row, 0)));
    stringGrid1_->setVerticalHeaderLabels(pointNumbers);
    stringGrid1_->setFixedHeight(kTachoRowHeight * (kVisibleRows + 1) + 2 * stringGrid1_->frameWidth());
    stringGrid1_->setTextElideMode(Qt::ElideNone);
    stringGrid1_->setWordWrap(false);
    // The headers keep their widths; their font narrows where a text would be cut off.
    const int headerMargin = 2 * top->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    top->setFont(FittingFont(top->font(), [&](const QFont& font) {
        const QFontMetrics metrics(font);
        for (int column = 0; column < kTachoGridColumns; ++column) {
            const QString text = QString::fromStdString(grid_.Cell(0, column));
            if (metrics.horizontalAdvance(text) + headerMargin
                > kTachoColumnWidths[static_cast<std::size_t>(column)])
                return false;
        }
        return true;
    }));
    left->setFont(top->font());
    if (auto* corner = stringGrid1_->findChild<QAbstractButton*>())
        new CornerCaption(corner, QString::fromStdString(grid_.Cell(0, 0)), top->font());
    RefreshGrid();
    // The selection starts on the first cell without counting as a selection by the user.
    stringGrid1_->setCurrentCell(0, 0);
    connect(stringGrid1_, &QTableWidget::cellChanged, this, &TForm4::CellEdited);
    // Drawn once the selection has moved: the draw may show a message box, which must not run
    // inside the grid's mouse handling.
    connect(stringGrid1_, &QTableWidget::currentCellChanged, this, &TForm4::StringGrid1SelectCell,
        Qt::QueuedConnection);

    QToolButton* speedButton4 = MakeSpeedButton(this, "SpeedButton4", ButtonImage::Chart, kHintDraw);
    QToolButton* speedButton3 = MakeSpeedButton(this, "SpeedButton3", ButtonImage::Reset, kHintReset);
    QToolButton* speedButton2
        = MakeSpeedButton(this, "SpeedButton2", ButtonImage::OpenDiagram, kHintLoadDiagrams);
    QToolButton* speedButton1
        = MakeSpeedButton(this, "SpeedButton1", ButtonImage::SaveDiagram, kHintSaveDiagrams);
    QToolButton* speedButton5
        = MakeSpeedButton(this, "SpeedButton5", ButtonImage::SavePicture, kHintSavePicture);
    QToolButton* speedButton6 = MakeSpeedButton(this, "SpeedButton6", ButtonImage::Accept, kHintAccept);
    connect(speedButton4, &QToolButton::clicked, this, &TForm4::SpeedButton4Click);
    connect(speedButton3, &QToolButton::clicked, this, &TForm4::SpeedButton3Click);
    connect(speedButton2, &QToolButton::clicked, this, &TForm4::SpeedButton2Click);
    connect(speedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(speedButton5, &QToolButton::clicked, this, &TForm4::SpeedButton5Click);
    connect(speedButton6, &QToolButton::clicked, this, &TForm4::SpeedButton6Click);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addStretch();
    for (QToolButton* button :
        { speedButton4, speedButton3, speedButton2, speedButton1, speedButton5, speedButton6 })
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(chart1_, 1);
    layout->addWidget(stringGrid1_);
    layout->addLayout(buttons);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

drive::DiagramLoad TForm4::LoadDiagramFile()
{
    struct Refresh {
        TForm4* form;
        ~Refresh() { form->RefreshGrid(); }
    } refresh { this };
    return LoadTachoFile(grid_, services_.dialogs, services_.prompter);
}

void TForm4::SpeedButton2Click()
{
    Guarded(this, [this] {
        const drive::DiagramLoad load = LoadDiagramFile();
        if (load == drive::DiagramLoad::Loaded || load == drive::DiagramLoad::ReadError)
            Redraw();
    });
}

void TForm4::SpeedButton1Click()
{
    Guarded(this, [this] { SaveTachoFile(grid_, services_.dialogs, services_.prompter); });
}

void TForm4::SpeedButton3Click()
{
    chart1_->ClearSeries();
    ResetTachoGrid(grid_);
    RefreshGrid();
}

void TForm4::SpeedButton4Click()
{
    Guarded(this, [this] { Redraw(); });
}

void TForm4::SpeedButton5Click()
{
    Guarded(this, [this] {
        const std::optional<std::string> name = services_.dialogs.GetSaveFileName(kChartPictureFilter);
        if (!name || name->empty())
            return;
        chart1_->SavePicture(ChartPictureFileName(*name));
    });
}

void TForm4::SpeedButton6Click()
{
    Guarded(this, [this] {
        if (AcceptTachogram(grid_, services_.data, services_.prompter))
            accept();
    });
}

void TForm4::StringGrid1SelectCell()
{
    Guarded(this, [this] { Redraw(); });
}

void TForm4::Redraw()
{
    if (const std::optional<TachoChart> drawn = DrawTachogram(grid_, services_.data, services_.prompter))
        chart1_->Show(*drawn);
}

void TForm4::RefreshGrid()
{
    refreshing_ = true;
    for (int row = 1; row <= kTachoPointRows; ++row) {
        for (int column = 1; column < kTachoGridColumns; ++column) {
            const QString text = QString::fromStdString(grid_.Cell(row, column));
            if (QTableWidgetItem* item = stringGrid1_->item(row - 1, column - 1)) {
                if (item->text() != text)
                    item->setText(text);
            } else {
                stringGrid1_->setItem(row - 1, column - 1, new QTableWidgetItem(text));
            }
        }
    }
    refreshing_ = false;
}

void TForm4::CellEdited(int row, int column)
{
    if (refreshing_)
        return;
    if (QTableWidgetItem* item = stringGrid1_->item(row, column))
        grid_.SetCell(row + 1, column + 1, item->text().toStdString());
}

} // namespace dcdrive::ui
