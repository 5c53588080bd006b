#pragma once

#include "common/ui/tourpictures.h"

#include <QObject>
#include <QString>

class QWidget;

namespace dcdrive::ui {

class DcProgram;

// A walk through every window of the program on a realistic drive, saving a picture of each
// into a folder (for the screenshots script): the load diagram and the motor loaded through the
// file dialogs, both calculations, the chart and the about box. The diagram and motor files
// come from the folder DCDRIVE_TOUR_DATA (the realistic drive of the tests). Ends the program
// when done, with status 1 when a window did not come up as expected.
class Tour : public QObject {
    Q_OBJECT
public:
    Tour(DcProgram& program, const QString& folder);

private:
    void Run();

    DcProgram& program_;
    drive::ui::TourPictures pictures_;
};

} // namespace dcdrive::ui
