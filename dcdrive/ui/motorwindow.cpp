#include "dcdrive/ui/motorwindow.h"

#include "common/ui/placement.h"
#include "dcdrive/ui/controls.h"
#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/uitexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace dcdrive::ui {
namespace {

// Edits 1 .. 11 hold the motor's parameters, 12 and 13 those of its field winding.
constexpr int kMotorGroupEdits = 11;

// Width of an edit in pixels.
constexpr int kEditWidth = 44;

} // namespace

TForm2::TForm2(DcServices& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , edits_(MakeMotorEdits())
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QString::fromUtf8(kMotorWindowCaption));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(341, 364);

    auto* motorBox = new QGroupBox(QString::fromUtf8(kMotorGroupBox), this);
    motorBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* fieldBox = new QGroupBox(QString::fromUtf8(kFieldGroupBox), this);
    fieldBox->setObjectName(QStringLiteral("GroupBox2"));
    auto* motorRows = new QGridLayout(motorBox);
    auto* fieldRows = new QGridLayout(fieldBox);
    for (QGridLayout* rows : { motorRows, fieldRows }) {
        rows->setContentsMargins(4, 0, 4, 2);
        rows->setVerticalSpacing(0);
        rows->setColumnStretch(0, 1);
    }
    for (int i = 0; i < kMotorEditCount; ++i) {
        QWidget* box = i < kMotorGroupEdits ? motorBox : fieldBox;
        QGridLayout* rows = i < kMotorGroupEdits ? motorRows : fieldRows;
        const int row = i < kMotorGroupEdits ? i : i - kMotorGroupEdits;
        const QByteArray name = "Edit" + QByteArray::number(i + 1);
        QLineEdit* edit = MakeNumericEdit(box, name.constData(), QString::fromStdString(edits_[i]));
        edit->setFixedWidth(kEditWidth);
        QLabel* label = MakeLabel(box, kMotorEditLabels[static_cast<std::size_t>(i)]);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setBuddy(edit);
        rows->addWidget(label, row, 0);
        rows->addWidget(edit, row, 1);
        edit_[static_cast<std::size_t>(i)] = edit;
        connect(edit, &QLineEdit::textChanged, this,
            [this, i](const QString& text) { edits_[static_cast<std::size_t>(i)] = text.toStdString(); });
    }

    QToolButton* speedButton4 = MakeSpeedButton(this, "SpeedButton4", ButtonImage::OpenMotor, kHintMotorLoad);
    QToolButton* speedButton3 = MakeSpeedButton(this, "SpeedButton3", ButtonImage::SaveMotor, kHintMotorSave);
    QToolButton* speedButton2 = MakeSpeedButton(this, "SpeedButton2", ButtonImage::Cancel, kHintMotorCancel);
    QToolButton* speedButton1 = MakeSpeedButton(this, "SpeedButton1", ButtonImage::Accept, kHintMotorAccept);
    connect(speedButton4, &QToolButton::clicked, this, &TForm2::SpeedButton4Click);
    connect(speedButton3, &QToolButton::clicked, this, &TForm2::SpeedButton3Click);
    connect(speedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
    connect(speedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addStretch();
    for (QToolButton* button : { speedButton4, speedButton3, speedButton2, speedButton1 })
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(motorBox);
    layout->addWidget(fieldBox);
    layout->addStretch();
    layout->addLayout(buttons);
    FitFontToWindow(this, size());
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

void TForm2::LoadMotorDataFile()
{
    struct Refresh {
        TForm2* form;
        ~Refresh() { form->RefreshEdits(); }
    } refresh { this };
    dcdrive::LoadMotorDataFile(edits_, services_.dialogs, services_.prompter);
}

void TForm2::SpeedButton1Click()
{
    Guarded(this, [this] {
        if (AcceptDcMotorData(edits_, services_.data, services_.prompter, services_.windows))
            accept();
    });
}

void TForm2::SpeedButton2Click()
{
    reject();
}

void TForm2::SpeedButton3Click()
{
    Guarded(this, [this] { SaveMotorDataFile(edits_, services_.dialogs, services_.prompter); });
}

void TForm2::SpeedButton4Click()
{
    Guarded(this, [this] { LoadMotorDataFile(); });
}

void TForm2::RefreshEdits()
{
    for (int i = 0; i < kMotorEditCount; ++i) {
        const QString text = QString::fromStdString(edits_[static_cast<std::size_t>(i)]);
        if (edit_[static_cast<std::size_t>(i)]->text() != text)
            edit_[static_cast<std::size_t>(i)]->setText(text);
    }
}

} // namespace dcdrive::ui
