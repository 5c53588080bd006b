#include "common/ui/tourpictures.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

namespace drive::ui {

TourPictures::TourPictures(const QString& folder, const char* prefix)
    : folder_(folder)
    , prefix_(prefix)
{
    QDir().mkpath(folder_);
}

void TourPictures::Save(QWidget* window, const QString& name) const
{
    // Lets the window lay itself out and paint.
    for (int k = 0; k < 10; ++k)
        QApplication::processEvents();
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path, "PNG"))
        std::fprintf(stderr, "%s: cannot write %s\n", prefix_, qPrintable(path));
}

} // namespace drive::ui
