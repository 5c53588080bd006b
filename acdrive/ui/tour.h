#pragma once

#include <QObject>
#include <QString>

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
    void Save(QWidget* window, const QString& name);

    AcProgram& program_;
    QString folder_;
};

}  // namespace acdrive::ui
