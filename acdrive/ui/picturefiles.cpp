#include "acdrive/ui/picturefiles.h"

#include "acdrive/ui/messageboxes.h"
#include "acdrive/ui/tachochart.h"
#include "acdrive/ui/uitexts.h"
#include "common/errors.h"

#include <QFileDialog>

namespace acdrive::ui {

QString DialogFilter(const char* filter)
{
    const QString text = QString::fromUtf8(filter);
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return text;
    return QStringLiteral("%1 (%2)").arg(text.left(bar), text.mid(bar + 1));
}

QString AskPictureName(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(DialogFilter(kBitmapFilter));
    // The picture goes to the name with ".bmp" appended, so a question about the chosen name
    // would be about another file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString PictureFileName(const QString& chosenName)
{
    return chosenName + QStringLiteral(".bmp");
}

void SavePicture(QWidget* parent, TachogramChart& chart, const QString& chosenName)
{
    const QString fileName = PictureFileName(chosenName);
    if (!chart.SavePicture(fileName))
        ShowErrorBox(parent, drive::FileIoError("Cannot create file \"" + fileName.toStdString() + "\""));
}

} // namespace acdrive::ui
