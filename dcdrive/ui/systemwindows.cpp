#include "dcdrive/ui/systemwindows.h"

#include "common/ui/placement.h"
#include "dcdrive/ui/controls.h"
#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/uitexts.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace dcdrive::ui {
namespace {

// The flags of a window with a fixed single border and only the close box.
constexpr Qt::WindowFlags kCloseBoxOnly
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A check box named `name` whose state follows into `state`.
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* text, bool& state)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(state);
    QObject::connect(box, &QCheckBox::toggled, parent, [&state](bool checked) { state = checked; });
    return box;
}

// A numeric edit whose text follows into `text`.
QLineEdit* MakeFormEdit(QWidget* parent, const char* name, std::string& text, int width)
{
    QLineEdit* edit = MakeNumericEdit(parent, name, QString::fromStdString(text));
    edit->setFixedWidth(width);
    QObject::connect(
        edit, &QLineEdit::textChanged, parent, [&text](const QString& typed) { text = typed.toStdString(); });
    return edit;
}

QString TwoLines(const char* first, const char* second)
{
    return QString::fromUtf8(first) + u'\n' + QString::fromUtf8(second);
}

// A reference table of fixed text: no editing, no selection, every row and column shown at the
// size of its texts (also after a change of font). The first `headerRows` rows hold two lines.
class FixedTable : public QTableWidget {
public:
    FixedTable(int rows, int columns, int headerRows, const char* name, QWidget* parent)
        : QTableWidget(rows, columns, parent)
        , headerRows_(headerRows)
    {
        setObjectName(QString::fromLatin1(name));
        horizontalHeader()->hide();
        verticalHeader()->hide();
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionMode(QAbstractItemView::NoSelection);
        setFocusPolicy(Qt::NoFocus);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    void Cell(int row, int column, const QString& text)
    {
        auto* item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignCenter);
        setItem(row, column, item);
    }

    // Rows and columns as tall and wide as their texts.
    void FitToContents()
    {
        const QFontMetrics metrics(font());
        for (int column = 0; column < columnCount(); ++column) {
            int widest = 0;
            for (int row = 0; row < rowCount(); ++row) {
                const QTableWidgetItem* cell = item(row, column);
                if (!cell || columnSpan(row, column) > 1)
                    continue;
                for (const QString& line : cell->text().split(u'\n'))
                    widest = std::max(widest, metrics.horizontalAdvance(line));
            }
            setColumnWidth(column, widest + 9);
        }
        const int lineHeight = metrics.height() + 2;
        for (int row = 0; row < rowCount(); ++row)
            setRowHeight(row, row < headerRows_ ? 2 * lineHeight : lineHeight);
        int totalWidth = 2 * frameWidth();
        for (int column = 0; column < columnCount(); ++column)
            totalWidth += columnWidth(column);
        int totalHeight = 2 * frameWidth();
        for (int row = 0; row < rowCount(); ++row)
            totalHeight += rowHeight(row);
        setFixedSize(totalWidth, totalHeight);
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QTableWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            FitToContents();
    }

private:
    int headerRows_;
};

QWidget* VariableLossTable(QWidget* parent)
{
    constexpr int kRows = static_cast<int>(std::size(kKiTableRows));
    auto* table = new FixedTable(kRows + 1, 3, 1, "KiTable", parent);
    table->Cell(0, 0, QString::fromUtf8(kKiTableMotorType));
    table->Cell(0, 1, TwoLines(kKiTableFrequency1, kKiTableFrequency2));
    table->Cell(0, 2, QString::fromUtf8(kKiTableKi));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 3; ++column)
            table->Cell(row + 1, column, QString::fromUtf8(kKiTableRows[row][column]));
        if (kKiTableRows[row][0][0] != '\0')
            table->setSpan(row + 1, 0, 3, 1);
    }
    table->FitToContents();
    return table;
}

QWidget* FormFactorTable(QWidget* parent)
{
    constexpr int kRows = static_cast<int>(std::size(kKfTableRows));
    auto* table = new FixedTable(kRows + 2, 4, 2, "KfTable", parent);
    table->Cell(0, 0, TwoLines(kKfTableSine1, kKfTableSine2));
    table->Cell(0, 2, TwoLines(kKfTableRectangle1, kKfTableRectangle2));
    table->setSpan(0, 0, 1, 2);
    table->setSpan(0, 2, 1, 2);
    for (const int column : { 0, 2 }) {
        table->Cell(1, column, TwoLines(kKfTableAngle1, kKfTableAngle2));
        table->Cell(1, column + 1, QString::fromUtf8(kKfTableKf));
    }
    for (int row = 0; row < kRows; ++row) {
        table->Cell(row + 2, 0, QString::fromUtf8(kKfTableRows[row][0]));
        table->Cell(row + 2, 1, QString::fromUtf8(kKfTableRows[row][1]));
        table->Cell(row + 2, 2, QString::fromUtf8(kKfTableRows[row][0]));
        table->Cell(row + 2, 3, QString::fromUtf8(kKfTableRows[row][2]));
    }
    table->FitToContents();
    return table;
}

QLabel* TableTitle(QWidget* parent, const char* text)
{
    QLabel* title = MakeLabel(parent, text);
    // Bold, and otherwise the window's font.
    QFont bold;
    bold.setBold(true);
    title->setFont(bold);
    title->setWordWrap(true);
    return title;
}

} // namespace

TForm5::TForm5(DcServices& services, drive::LineSink& memo, QWidget* parent)
    : QDialog(parent, kCloseBoxOnly)
    , services_(services)
    , memo_(memo)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QString::fromUtf8(kGeneratorMotorCaption));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(219, 141);

    constexpr int kEditWidth = 48;
    QLineEdit* edit1 = MakeFormEdit(this, "Edit1", form_.edit1, kEditWidth);
    auto* fieldBox = new QGroupBox(QString::fromUtf8(kGeneratorFieldGroupBox), this);
    fieldBox->setObjectName(QStringLiteral("GroupBox1"));
    QLineEdit* edit2 = MakeFormEdit(fieldBox, "Edit2", form_.edit2, kEditWidth);
    QLineEdit* edit3 = MakeFormEdit(fieldBox, "Edit3", form_.edit3, kEditWidth);
    QCheckBox* checkBox1 = MakeCheckBox(this, "CheckBox1", kGeneratorSourceDataBox, form_.sourceData);
    auto* button1 = new QPushButton(QString::fromUtf8(kGeneratorOk), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setDefault(true);
    button1->setFixedWidth(32);
    connect(button1, &QPushButton::clicked, this, &TForm5::Button1Click);

    auto* fieldRows = new QGridLayout(fieldBox);
    fieldRows->setContentsMargins(4, 0, 4, 2);
    fieldRows->setVerticalSpacing(2);
    fieldRows->addWidget(MakeLabel(fieldBox, kGeneratorFieldResistanceLabel), 0, 0);
    fieldRows->addWidget(edit2, 0, 1);
    fieldRows->addWidget(MakeLabel(fieldBox, kGeneratorFieldInductanceLabel), 1, 0);
    fieldRows->addWidget(edit3, 1, 1);

    auto* first = new QHBoxLayout;
    first->addWidget(MakeLabel(this, kGeneratorResistanceLabel));
    first->addStretch();
    first->addWidget(edit1);
    auto* last = new QHBoxLayout;
    last->addWidget(checkBox1);
    last->addStretch();
    last->addWidget(button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 3, 2, 3);
    layout->setSpacing(3);
    layout->addLayout(first);
    layout->addWidget(fieldBox);
    layout->addStretch();
    layout->addLayout(last);
    FitFontToWindow(this, size());
}

void TForm5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

void TForm5::Button1Click()
{
    Guarded(this, [this] {
        if (CalculateGeneratorMotor(form_, services_.data, services_.prompter, memo_, services_.windows)
            == CalculationEnd::Completed)
            accept();
    });
}

TForm6::TForm6(DcServices& services, DcForms& forms, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , forms_(forms)
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QString::fromUtf8(kConverterMotorCaption));
    resize(329, 170);

    constexpr int kEditWidth = 44;
    auto* systemBox = new QGroupBox(QString::fromUtf8(kConverterGroupBox), this);
    systemBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* rows = new QGridLayout(systemBox);
    rows->setContentsMargins(4, 0, 4, 2);
    rows->setVerticalSpacing(2);
    rows->setColumnStretch(0, 1);
    rows->addWidget(MakeLabel(systemBox, kConverterEmfLabel), 0, 0);
    rows->addWidget(MakeFormEdit(systemBox, "Edit16", form_.edit16, kEditWidth), 0, 1);
    rows->addWidget(MakeLabel(systemBox, kConverterResistanceLabel), 1, 0);
    rows->addWidget(MakeFormEdit(systemBox, "Edit17", form_.edit17, kEditWidth), 1, 1);
    rows->addWidget(MakeLabel(systemBox, kTransformerLossLabel), 2, 0);
    rows->addWidget(MakeFormEdit(systemBox, "Edit18", form_.edit18, kEditWidth), 2, 1);
    rows->addWidget(MakeCheckBox(systemBox, "CheckBox1", kRampGeneratorBox, form_.rampGenerator), 3, 0, 1, 2);

    QToolButton* speedButton1 = MakeSpeedButton(this, "SpeedButton1", ButtonImage::Accept);
    QToolButton* speedButton2 = MakeSpeedButton(this, "SpeedButton2", ButtonImage::Cancel);
    connect(speedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(speedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(2);
    bottom->addWidget(MakeCheckBox(this, "CheckBox2", kConverterSourceDataBox, form_.sourceData));
    bottom->addStretch();
    bottom->addWidget(speedButton1);
    bottom->addWidget(speedButton2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(systemBox);
    layout->addStretch();
    layout->addLayout(bottom);
    FitFontToWindow(this, QSize(329, 170));
    resize(329, 170);
}

void TForm6::SpeedButton1Click()
{
    Guarded(this, [this] {
        if (!AcceptConverterInputs(form_, services_.data, services_.prompter))
            return;
        forms_.Form7().exec();
        accept();
    });
}

void TForm6::SpeedButton2Click()
{
    reject();
}

TForm7::TForm7(DcServices& services, drive::LineSink& memo, const TForm6& form6, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , memo_(memo)
    , form6_(form6)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QString::fromUtf8(kCoefficientCaption));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(483, 428);

    auto* inputBox = new QGroupBox(QString::fromUtf8(kCoefficientGroupBox), this);
    inputBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* edit1 = new CompactEdit(QString::fromStdString(form_.edit1), inputBox);
    edit1->setObjectName(QStringLiteral("Edit1"));
    auto* edit2 = new CompactEdit(QString::fromStdString(form_.edit2), inputBox);
    edit2->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* edit : { edit1, edit2 })
        edit->setFixedWidth(56);
    connect(edit1, &QLineEdit::textChanged, this,
        [this](const QString& text) { form_.edit1 = text.toStdString(); });
    connect(edit2, &QLineEdit::textChanged, this,
        [this](const QString& text) { form_.edit2 = text.toStdString(); });
    auto* inputs = new QGridLayout(inputBox);
    inputs->setContentsMargins(8, 4, 8, 6);
    inputs->addWidget(MakeLabel(inputBox, kKiLabel), 0, 0, Qt::AlignRight);
    inputs->addWidget(edit1, 0, 1);
    inputs->addWidget(MakeLabel(inputBox, kKfLabel), 1, 0, Qt::AlignRight);
    inputs->addWidget(edit2, 1, 1);
    inputs->setColumnStretch(2, 1);

    QToolButton* speedButton1 = MakeSpeedButton(this, "SpeedButton1", ButtonImage::Calculate);
    QToolButton* speedButton2 = MakeSpeedButton(this, "SpeedButton2", ButtonImage::Cancel);
    connect(speedButton1, &QToolButton::clicked, this, &TForm7::SpeedButton1Click);
    connect(speedButton2, &QToolButton::clicked, this, &TForm7::SpeedButton2Click);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addStretch();
    buttons->addWidget(speedButton1);
    buttons->addWidget(speedButton2);

    auto* left = new QVBoxLayout;
    left->addWidget(TableTitle(this, kKiTableTitle));
    left->addWidget(VariableLossTable(this));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(TableTitle(this, kKfTableTitle));
    right->addWidget(FormFactorTable(this));
    right->addSpacing(8);
    right->addWidget(inputBox);
    right->addStretch();
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(6);
    layout->addLayout(left);
    layout->addLayout(right);
    FitFontToWindow(this, size());
}

void TForm7::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

void TForm7::SpeedButton1Click()
{
    Guarded(this, [this] {
        if (CalculateConverterMotor(
                form_, form6_.Form().sourceData, services_.data, services_.prompter, memo_, services_.windows)
            == CalculationEnd::Completed)
            accept();
    });
}

void TForm7::SpeedButton2Click()
{
    reject();
}

} // namespace dcdrive::ui
