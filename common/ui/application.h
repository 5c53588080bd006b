#pragma once

#include <QApplication>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <functional>
#include <memory>

namespace drive::ui {

// The application object of a desktop program, set up as both programs run: the program's
// name and icon, Russian number formats, and the standard dialogs (files, printer, Yes/No)
// speaking Russian like the rest of the program.
class Application : public QApplication {
public:
    // `icon` draws the program icon once the application exists.
    Application(int& argc, char** argv, const QString& name, QIcon (*icon)());

    // Starts a guided tour that saves pictures of the windows into a folder.
    using TourStarter = std::function<std::unique_ptr<QObject>(const QString& folder)>;

    // Runs the event loop until the main window closes; the exit status. Two hidden switches
    // in the environment serve the project's own scripts: the variable `tourSwitch` starts the
    // tour with the folder it names, `quitSwitch` ends the program as soon as the main window
    // is up (start-up timing).
    int Run(const char* tourSwitch, const char* quitSwitch, const TourStarter& startTour);

private:
    QTranslator qtTexts_;
};

} // namespace drive::ui
