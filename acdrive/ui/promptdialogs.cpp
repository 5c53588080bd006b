#include "acdrive/ui/promptdialogs.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/keyfilter.h"
#include "acdrive/ui/uitexts.h"
#include "common/ui/placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace acdrive::ui {
namespace {

// A sunken frame of the given geometry with a question label inside that does not wrap.
QLabel* QuestionArea(QWidget* dialog, const QRect& geometry)
{
    auto* frame = new QFrame(dialog);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(geometry);
    auto* label = new QLabel(frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(frame->contentsRect().adjusted(4, 3, -3, -3));
    return label;
}

QPushButton* OkButton(QDialog* dialog, const QRect& geometry)
{
    auto* ok = new QPushButton(GlyphIcon(Glyph::Accept), QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(geometry);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

} // namespace

QString QuestionLines(const QString& text)
{
    QString lines = text;
    lines.replace(u'\r', u'\n');
    return lines;
}

NumberDialog::NumberDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NumberDialog"));
    setWindowTitle(QString::fromUtf8(kNumberDialogCaption));
    setFixedSize(251, 152);
    setModal(true);
    question_ = QuestionArea(this, QRect(13, 8, 225, 77));
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("Edit1"));
    field_->setGeometry(13, 92, 225, 24);
    NumericFieldFilter::Install(field_);
    ok_ = OkButton(this, QRect(158, 121, 80, 26));
}

std::optional<QString> NumberDialog::Ask(const QString& question)
{
    question_->setText(QuestionLines(question));
    field_->clear();
    field_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return field_->text();
}

void NumberDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

ChoiceDialog::ChoiceDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChoiceDialog"));
    setWindowTitle(QString::fromUtf8(kChoiceDialogCaption));
    setFixedSize(245, 202);
    setModal(true);
    question_ = QuestionArea(this, QRect(12, 8, 221, 73));
    auto* options = new QFrame(this);
    options->setObjectName(QStringLiteral("Panel2"));
    options->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    options->setGeometry(12, 88, 221, 74);
    first_ = new QRadioButton(options);
    first_->setObjectName(QStringLiteral("RadioButton1"));
    first_->setGeometry(10, 10, 205, 24);
    second_ = new QRadioButton(options);
    second_->setObjectName(QStringLiteral("RadioButton2"));
    second_->setGeometry(10, 40, 205, 24);
    first_->setChecked(true);
    ok_ = OkButton(this, QRect(153, 170, 80, 26));
}

std::optional<bool> ChoiceDialog::Ask(const QString& question, const QString& first, const QString& second)
{
    question_->setText(QuestionLines(question));
    first_->setText(first);
    second_->setText(second);
    ok_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return first_->isChecked();
}

void ChoiceDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drive::ui::CentreOnScreen(this);
}

} // namespace acdrive::ui
