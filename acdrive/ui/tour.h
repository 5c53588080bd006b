#pragma once

#include "acdrive/calc/commands.h"
#include "common/ui/tourpictures.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace acdrive::ui {

class AcProgram;

// A guided tour of the program's windows for its documentation: fills in the sample drive, runs
// a calculation answering its dialogs, opens every window in turn, saves a picture of each
// (PNG) into a folder and ends the program.
class Tour : public QObject {
    Q_OBJECT
public:
    Tour(AcProgram& program, const QString& folder);

private:
    void Run();
    // Runs a calculation command answering its dialogs in order: a number text, or "#1" / "#2"
    // for the first or second option of a choice.
    void RunWithAnswers(AcCommand command, const QStringList& answers);

    AcProgram& program_;
    drive::ui::TourPictures pictures_;
    QStringList saved_; // pictures of the dialogs already saved
};

} // namespace acdrive::ui
