#pragma once

#include <QString>

class QWidget;

namespace drive::ui {

// The folder a tour of the windows saves its pictures into, made when missing: each window as
// NAME.png once it has laid itself out and painted. A picture that cannot be written is
// reported on the standard error after `prefix` ("acdrive: cannot write ...").
class TourPictures {
public:
    TourPictures(const QString& folder, const char* prefix);

    // Saves the window's picture as NAME.png.
    void Save(QWidget* window, const QString& name) const;

private:
    QString folder_;
    const char* prefix_;
};

} // namespace drive::ui
