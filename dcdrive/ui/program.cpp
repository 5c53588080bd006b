#include "dcdrive/ui/program.h"

#include "common/ui/application.h"
#include "common/ui/qtfiledialogs.h"
#include "dcdrive/data/tachogrid.h"
#include "dcdrive/ui/aboutbox.h"
#include "dcdrive/ui/artwork.h"
#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/motorwindow.h"
#include "dcdrive/ui/systemwindows.h"
#include "dcdrive/ui/tachoeditor.h"
#include "dcdrive/ui/tour.h"

namespace dcdrive::ui {
namespace {

// The object names of the file dialogs: OpenDialog1 for every open, SaveDialog2 for the chart
// pictures, SaveDialog1 for the other saves.
QString FileDialogName(bool save, const std::string& filter)
{
    if (!save)
        return QStringLiteral("OpenDialog1");
    return filter == kChartPictureFilter ? QStringLiteral("SaveDialog2") : QStringLiteral("SaveDialog1");
}

} // namespace

DcProgram::DcProgram(std::unique_ptr<drive::FileDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<drive::ui::QtFileDialogs>(FileDialogName))
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
    drive::ui::Application app(argc, argv, QStringLiteral("dcdrive"), &ProgramIcon);
    DcProgram program;
    program.Form1().show();
    // A tour saves a picture of every window into a folder.
    return app.Run("DCDRIVE_TOUR", "DCDRIVE_QUIT_WHEN_SHOWN",
        [&program](const QString& folder) { return std::make_unique<Tour>(program, folder); });
}

} // namespace dcdrive::ui
