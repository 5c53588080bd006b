#include "acdrive/ui/motorwindow.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/keyfilter.h"
#include "acdrive/ui/messageboxes.h"
#include "common/ui/placement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace acdrive::ui {
namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

MotorWindow::MotorWindow(
    AcWorkingData& working, drive::FileDialogs& dialogs, drive::Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , data_(working)
    , dialogs_(dialogs)
    , prompter_(prompter)
{
    setObjectName(QStringLiteral("MotorWindow"));
    setWindowTitle(Text(kMotorWindowCaption));
    setWindowIcon(ProgramIcon());
    setModal(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(6);

    auto* header = new QHBoxLayout;
    stepLabel_ = new QLabel(Text(kStepLabel), this);
    stepLabel_->setObjectName(QStringLiteral("Label14"));
    stepNumber_ = new QLabel(this);
    stepNumber_->setObjectName(QStringLiteral("Label15"));
    auto* rotorLabel = new QLabel(Text(kRotorTypeLabel), this);
    rotorLabel->setObjectName(QStringLiteral("Label16"));
    rotorType_ = new QLabel(this);
    rotorType_->setObjectName(QStringLiteral("Label17"));
    QFont bold = rotorType_->font();
    bold.setBold(true);
    stepNumber_->setFont(bold);
    rotorType_->setFont(bold);
    header->addWidget(stepLabel_);
    header->addWidget(stepNumber_);
    header->addSpacing(24);
    header->addWidget(rotorLabel);
    header->addWidget(rotorType_);
    header->addStretch(1);
    column->addLayout(header);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int k = 1; k <= kMotorFieldCount; ++k) {
        auto* label = new QLabel(Text(kMotorFieldLabels[static_cast<std::size_t>(k - 1)]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(k));
        auto* field = new QLineEdit(QStringLiteral("0"), this);
        field->setObjectName(QStringLiteral("Edit%1").arg(k));
        field->setFixedWidth(90);
        NumericFieldFilter::Install(field);
        label->setBuddy(field);
        grid->addWidget(label, k - 1, 0);
        grid->addWidget(field, k - 1, 1);
        fields_[static_cast<std::size_t>(k - 1)] = field;
    }
    column->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    struct Tool {
        const char* name;
        const char* hint;
        Glyph glyph;
        void (MotorWindow::*handler)();
    };
    const Tool tools[] = {
        { "SpeedButton1", kLoadMotorHint, Glyph::OpenMotor, &MotorWindow::LoadClick },
        { "SpeedButton2", kSaveMotorHint, Glyph::SaveMotor, &MotorWindow::SaveClick },
        { "SpeedButton3", kAcceptMotorHint, Glyph::Accept, &MotorWindow::AcceptClick },
        { "SpeedButton4", kCancelMotorHint, Glyph::Cancel, &MotorWindow::CancelClick },
    };
    buttons->addStretch(1);
    for (const Tool& tool : tools) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setAutoRaise(true);
        button->setToolTip(Text(tool.hint));
        button->setIcon(GlyphIcon(tool.glyph));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(32, 32);
        connect(button, &QToolButton::clicked, this, tool.handler);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    setFixedSize(sizeHint());
    ShowTexts();
}

void MotorWindow::ShowModal()
{
    exec();
}

void MotorWindow::ShowTexts()
{
    for (int k = 1; k <= kMotorFieldCount; ++k)
        fields_[static_cast<std::size_t>(k - 1)]->setText(QString::fromStdString(texts_.Edit(k)));
    stepLabel_->setEnabled(!texts_.stepDimmed);
    stepNumber_->setEnabled(!texts_.stepDimmed);
    stepNumber_->setText(QString::fromStdString(texts_.stepNumber));
    rotorType_->setText(QString::fromStdString(texts_.rotorType));
}

void MotorWindow::TakeTexts()
{
    for (int k = 1; k <= kMotorFieldCount; ++k)
        texts_.Edit(k) = fields_[static_cast<std::size_t>(k - 1)]->text().toStdString();
}

void MotorWindow::LoadClick()
{
    TakeTexts();
    LoadMotorFile(texts_, dialogs_, prompter_);
    ShowTexts();
}

void MotorWindow::SaveClick()
{
    TakeTexts();
    try {
        SaveMotorFile(texts_, dialogs_, prompter_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void MotorWindow::AcceptClick()
{
    TakeTexts();
    try {
        AcceptMotorData(texts_, data_);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
        return;
    }
    if (accepted_)
        accepted_();
    accept();
}

void MotorWindow::CancelClick()
{
    CancelMotorData(data_);
    reject();
}

void MotorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowMotorData(data_, texts_);
    ShowTexts();
    drive::ui::CentreOnScreen(this);
    fields_[0]->setFocus();
}

} // namespace acdrive::ui
