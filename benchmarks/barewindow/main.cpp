// An empty main window of the desktop programs' size. With ACDRIVE_QUIT_WHEN_SHOWN set it
// ends as soon as the window is up, as acdrive does under the same switch.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(630, 429);
    window.show();
    if (qEnvironmentVariableIsSet("ACDRIVE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
