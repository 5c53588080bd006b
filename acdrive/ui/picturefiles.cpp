#include "acdrive/ui/picturefiles.h"

#include "acdrive/ui/messageboxes.h"
#include "acdrive/ui/tachochart.h"
#include "acdrive/ui/uitexts.h"
#include "common/errors.h"
#include "common/filedialogs.h"

namespace acdrive::ui {

QString AskPictureName(drive::FileDialogs& dialogs)
{
    const std::optional<std::string> name = dialogs.GetSaveFileName(kBitmapFilter);
    return name ? QString::fromStdString(*name) : QString();
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
