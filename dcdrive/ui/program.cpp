#include "dcdrive/ui/program.h"

#include "dcdrive/ui/aboutbox.h"
#include "dcdrive/ui/artwork.h"
#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/motorwindow.h"
#include "dcdrive/ui/systemwindows.h"
#include "dcdrive/ui/tachoeditor.h"
#include "dcdrive/ui/tour.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace dcdrive::ui {

DcProgram::DcProgram(std::unique_ptr<drive::FileDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<PlatformFileDialogs>())
    , services_ { data_, prompter_, *dialogs_, *this }
    , form1_(std::make_unique<TForm1>(services_, *this))
{
    prompter_.SetMainWindow(form1_.get());
}

DcProgram::~DcProgram() = default;

TForm2& DcProgram::Form2()
{
    if (!form2_)
        form2_ = new TForm2(services_, form1_.get());
    return *form2_;
}

TForm3& DcProgram::Form3()
{
    if (!form3_)
        form3_ = new TForm3(form1_.get());
    return *form3_;
}

TForm4& DcProgram::Form4()
{
    if (!form4_)
        form4_ = new TForm4(services_, form1_.get());
    return *form4_;
}

TForm5& DcProgram::Form5()
{
    if (!form5_)
        form5_ = new TForm5(services_, form1_->Memo(), form1_.get());
    return *form5_;
}

TForm6& DcProgram::Form6()
{
    if (!form6_)
        form6_ = new TForm6(services_, *this, form1_.get());
    return *form6_;
}

TForm7& DcProgram::Form7()
{
    if (!form7_)
        form7_ = new TForm7(services_, form1_->Memo(), Form6(), form1_.get());
    return *form7_;
}

void DcProgram::ShowTachoEditor()
{
    Form4().exec();
}

void DcProgram::ShowMotorWindow()
{
    Form2().exec();
}

int RunProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dcdrive"));
    QApplication::setWindowIcon(ProgramIcon());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The standard dialogs (files, Yes/No) speak Russian like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    DcProgram program;
    program.Form1().show();

    // Hidden switches for the project's own scripts: a tour that saves a picture of every
    // window into a folder, and an exit as soon as the main window is up (start-up timing).
    std::unique_ptr<Tour> tour;
    const QByteArray tourFolder = qgetenv("DCDRIVE_TOUR");
    if (!tourFolder.isEmpty())
        tour = std::make_unique<Tour>(program, QString::fromLocal8Bit(tourFolder));
    else if (qEnvironmentVariableIsSet("DCDRIVE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace dcdrive::ui
