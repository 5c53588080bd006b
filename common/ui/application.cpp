#include "common/ui/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>

namespace drive::ui {

Application::Application(int& argc, char** argv, const QString& name, QIcon (*icon)())
    : QApplication(argc, argv)
{
    setApplicationName(name);
    setWindowIcon(icon());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (qtTexts_.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTexts_);
}

int Application::Run(const char* tourSwitch, const char* quitSwitch, const TourStarter& startTour)
{
    const QByteArray tourFolder = qgetenv(tourSwitch);
    std::unique_ptr<QObject> tour;
    if (!tourFolder.isEmpty())
        tour = startTour(QString::fromLocal8Bit(tourFolder));
    else if (qEnvironmentVariableIsSet(quitSwitch))
        QTimer::singleShot(0, this, &QCoreApplication::quit);
    return exec();
}

} // namespace drive::ui
