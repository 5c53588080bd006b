#include "acdrive/data/motorwindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/filebytes.h"
#include "common/scriptedprompter.h"
#include "tests/support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using acdrive::AcWorkingData;
using acdrive::MotorLoad;
using acdrive::MotorWindowTexts;
using drive::FixedFileDialogs;
using drive::ScriptedPrompter;
using Fields = std::array<std::string, acdrive::kMotorFieldCount>;

constexpr const char* kReadError = "Произошла ошибка при чтении файла";

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

AcWorkingData SampleData()
{
    AcWorkingData data;
    acdrive::FillSampleDrive(data);
    data.rotorType = 1;
    return data;
}

// The motor window shown modally: runs what the window does while it is open.
class FakeMotorDialog : public acdrive::MotorDialog {
public:
    explicit FakeMotorDialog(std::function<void()> whileOpen) : whileOpen_(std::move(whileOpen)) {}
    void ShowModal() override
    {
        ++shown;
        whileOpen_();
    }
    int shown = 0;

private:
    std::function<void()> whileOpen_;
};

TEST(MotorWindow, SampleMotorShowsInTheFieldFormats)
{
    AcWorkingData data = SampleData();
    data.motorEntered = true;
    MotorWindowTexts window;
    acdrive::ShowMotorData(data, window);
    EXPECT_EQ(window.fields, (Fields{"13,000", "220", "104,70", "6,4", "36,5", "398,00", "83,500", "0,810",
                                     "16,620", "0,363", "0,635", "0,597", "0,831"}));
    EXPECT_FALSE(data.motorEntered);
    EXPECT_TRUE(window.stepDimmed);
    EXPECT_EQ(window.stepNumber, "_");
    EXPECT_EQ(window.rotorType, "    Фазный");
}

TEST(MotorWindow, RotorTypeTextFollowsTheRotorTypeAndKeepsItOtherwise)
{
    const std::pair<int, const char*> cases[] = {
        {1, "    Фазный"}, {2, "Короткозамкнутый"}, {0, "before"}, {3, "before"}};
    for (const auto& [rotorType, text] : cases) {
        AcWorkingData data;
        data.rotorType = rotorType;
        MotorWindowTexts window;
        window.rotorType = "before";
        acdrive::ShowMotorData(data, window);
        EXPECT_EQ(window.rotorType, text) << "rotorType " << rotorType;
    }
}

TEST(MotorWindow, MultiSpeedShowsTheCurrentStep)
{
    AcWorkingData data = SampleData();
    data.multiSpeed = true;
    data.currentStep = 2;
    MotorWindowTexts window;
    acdrive::ShowMotorData(data, window);
    EXPECT_FALSE(window.stepDimmed);
    EXPECT_EQ(window.stepNumber, "2");
    EXPECT_EQ(window.rotorType, "Короткозамкнутый");
    EXPECT_EQ(window.fields, (Fields{"6,200", "380", "157,10", "2,0", "14,0", "72,50", "81,500", "0,850",
                                     "136,000", "2,130", "3,480", "0,968", "5,320"}));
}

TEST(MotorWindow, SampleMotorRoundTripsThroughAFile)
{
    const std::string dir = drivetest::ScratchDir();
    AcWorkingData data = SampleData();
    MotorWindowTexts window;
    acdrive::ShowMotorData(data, window);
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/sample";
    ScriptedPrompter prompter;
    ASSERT_TRUE(acdrive::SaveMotorFile(window, dialogs, prompter));
    EXPECT_EQ(FileBytes(dir + "/sample.mot"), FileBytes(drivetest::DataPath("sample-motor.mot")));

    MotorWindowTexts loaded;
    dialogs.openName = dir + "/sample.mot";
    EXPECT_EQ(acdrive::LoadMotorFile(loaded, dialogs, prompter), MotorLoad::Loaded);
    EXPECT_EQ(loaded.fields, (Fields{"13", "220", "104,7", "6,4", "36,5", "398", "83,5", "0,81", "16,62",
                                     "0,363", "0,635", "0,597", "0,831"}));
    EXPECT_TRUE(prompter.notices().empty());

    AcWorkingData accepted;
    acdrive::AcceptMotorData(loaded, accepted);
    EXPECT_TRUE(accepted.motorEntered);
    EXPECT_DOUBLE_EQ(accepted.motor.ratedSlip, 0.064);
    EXPECT_DOUBLE_EQ(accepted.motor.ratedEfficiency, 0.835);
    EXPECT_EQ(accepted.motor.ratedPowerFactor, 0.81);
    EXPECT_EQ(accepted.motor.rotorReactance, 0.831);
}

TEST(MotorWindow, SaveAlwaysAppendsTheSuffixAndReplacesWithoutAQuestion)
{
    const std::string dir = drivetest::ScratchDir();
    std::ofstream(dir + "/m.mot.mot") << "old";
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/m.mot";
    ScriptedPrompter prompter;
    ASSERT_TRUE(acdrive::SaveMotorFile(MotorWindowTexts(), dialogs, prompter));
    EXPECT_EQ(FileBytes(dir + "/m.mot.mot"), std::string(104, '\0'));
    EXPECT_TRUE(prompter.questions().empty());
}

TEST(MotorWindow, SaveWithAFieldThatIsNotANumberWritesNothing)
{
    const std::string dir = drivetest::ScratchDir();
    std::ofstream(dir + "/m.mot") << "old";
    MotorWindowTexts window;
    window.Edit(13) = "0.831";
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/m";
    ScriptedPrompter prompter;
    EXPECT_THROW(acdrive::SaveMotorFile(window, dialogs, prompter), drive::ConversionError);
    EXPECT_EQ(FileBytes(dir + "/m.mot"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(MotorWindow, SaveThatCannotCreateTheFileSaysSo)
{
    const std::string dir = drivetest::ScratchDir();
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/missing-folder/m";
    ScriptedPrompter prompter;
    EXPECT_FALSE(acdrive::SaveMotorFile(MotorWindowTexts(), dialogs, prompter));
    const std::string message = "Не могу сохранить фаил: " + dir + "/missing-folder/m.mot";
    EXPECT_EQ(prompter.notices(), std::vector<std::string>{message});

    dialogs.saveName = "";
    EXPECT_FALSE(acdrive::SaveMotorFile(MotorWindowTexts(), dialogs, prompter));
    EXPECT_EQ(prompter.notices().size(), 1u);
}

// Files shorter than 13 values set every field to "0"; longer ones load their first 13 values.
TEST(MotorWindow, LoadReadsThirteenValuesOrClearsTheFields)
{
    const std::string dir = drivetest::ScratchDir();
    std::string longFile = FileBytes(drivetest::DataPath("sample-motor.mot"));
    drive::AppendDouble(longFile, 99);
    std::ofstream(dir + "/long.mot", std::ios::binary) << longFile;
    std::ofstream(dir + "/empty.mot", std::ios::binary);

    const std::pair<std::string, MotorLoad> cases[] = {
        {drivetest::DataPath("short-by-four-bytes.mot"), MotorLoad::ReadError},
        {dir + "/empty.mot", MotorLoad::ReadError},
        {dir + "/long.mot", MotorLoad::Loaded},
    };
    for (const auto& [path, result] : cases) {
        MotorWindowTexts window;
        window.fields.fill("old");
        ScriptedPrompter prompter;
        EXPECT_EQ(acdrive::LoadMotorFileNamed(window, prompter, path), result) << path;
        if (result == MotorLoad::ReadError) {
            EXPECT_EQ(window.fields, MotorWindowTexts().fields);
            EXPECT_EQ(prompter.notices(), std::vector<std::string>{kReadError});
        } else {
            EXPECT_EQ(window.Edit(1), "13");
            EXPECT_EQ(window.Edit(13), "0,831");
            EXPECT_TRUE(prompter.notices().empty());
        }
    }

    MotorWindowTexts window;
    ScriptedPrompter prompter;
    EXPECT_EQ(acdrive::LoadMotorFileNamed(window, prompter, dir + "/none.mot"), MotorLoad::CannotOpen);
    EXPECT_EQ(prompter.notices(), std::vector<std::string>{"Не могу открыть фаил: " + dir + "/none.mot"});
}

struct AcceptCase {
    const char* name;
    int badField;
    std::vector<int> stored;  // the fields stored before the bad one
};

void PrintTo(const AcceptCase& c, std::ostream* os)
{
    *os << c.name;
}

class MotorWindowAccept : public ::testing::TestWithParam<AcceptCase> {};

// The fields are parsed in the order Edit1 .. Edit6, Edit8, Edit7, Edit9 .. Edit13 and each is
// stored at once; a bad field leaves it and the later ones as they were.
TEST_P(MotorWindowAccept, BadFieldKeepsItAndTheLaterOnes)
{
    const AcceptCase& c = GetParam();
    AcWorkingData data = SampleData();
    const acdrive::MotorParameters old = data.motor;
    MotorWindowTexts window;
    window.fields.fill("2");
    window.Edit(c.badField) = "";
    try {
        acdrive::AcceptMotorData(window, data);
        ADD_FAILURE() << "no conversion error";
    } catch (const drive::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_FALSE(data.motorEntered);
    const double acdrive::MotorParameters::*members[] = {
        &acdrive::MotorParameters::ratedPower,       &acdrive::MotorParameters::ratedPhaseVoltage,
        &acdrive::MotorParameters::synchronousSpeed, &acdrive::MotorParameters::ratedSlip,
        &acdrive::MotorParameters::criticalSlip,     &acdrive::MotorParameters::criticalTorque,
        &acdrive::MotorParameters::ratedEfficiency,  &acdrive::MotorParameters::ratedPowerFactor,
        &acdrive::MotorParameters::magnetizingReactance, &acdrive::MotorParameters::statorResistance,
        &acdrive::MotorParameters::statorReactance,  &acdrive::MotorParameters::rotorResistance,
        &acdrive::MotorParameters::rotorReactance,
    };
    for (int k = 1; k <= acdrive::kMotorFieldCount; ++k) {
        const auto member = members[k - 1];
        const bool stored = std::find(c.stored.begin(), c.stored.end(), k) != c.stored.end();
        const bool percent = k == 4 || k == 5 || k == 7;
        EXPECT_EQ(data.motor.*member, stored ? (percent ? 0.02 : 2.0) : old.*member) << "Edit" << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MotorWindowAccept,
    ::testing::Values(AcceptCase{"empty_Edit6_stores_Edit1_to_Edit5", 6, {1, 2, 3, 4, 5}},
                      AcceptCase{"empty_Edit7_stores_Edit8_first", 7, {1, 2, 3, 4, 5, 6, 8}},
                      AcceptCase{"empty_Edit8_keeps_Edit7", 8, {1, 2, 3, 4, 5, 6}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MotorWindow, CancelAfterActivationLeavesTheMotorNotEntered)
{
    AcWorkingData data = SampleData();
    MotorWindowTexts window;
    acdrive::ShowMotorData(data, window);
    acdrive::AcceptMotorData(window, data);
    ASSERT_TRUE(data.motorEntered);
    acdrive::ShowMotorData(data, window);
    window.Edit(1) = "99";
    acdrive::CancelMotorData(data);
    EXPECT_FALSE(data.motorEntered);
    EXPECT_EQ(data.motor.ratedPower, 13);
}

// The main window's load button: the values read reach the fields the user then sees, while
// a cancelled dialog leaves the activation to refill them.
TEST(MotorWindow, MainWindowLoadKeepsTheValuesReadForTheWindow)
{
    for (const bool cancelled : {false, true}) {
        AcWorkingData data;
        MotorWindowTexts window;
        FakeMotorDialog dialog([&] { acdrive::ShowMotorData(data, window); });
        FixedFileDialogs dialogs;
        if (!cancelled)
            dialogs.openName = drivetest::DataPath("sample-motor.mot");
        ScriptedPrompter prompter;
        acdrive::LoadMotorFileAndShow(window, dialogs, prompter, dialog);
        EXPECT_EQ(dialog.shown, 1);
        EXPECT_EQ(window.Edit(1), cancelled ? "0,000" : "13");
        EXPECT_FALSE(window.keepLoadedFields);
    }
}

TEST(MotorWindow, SpeedStepsCopyTheMotorOfEachShowing)
{
    AcWorkingData data = SampleData();
    FakeMotorDialog dialog([&] { data.motor.ratedPower = 10.0 * data.currentStep; });
    ScriptedPrompter prompter({"3"});
    ASSERT_TRUE(acdrive::EnterSpeedSteps(data, prompter, dialog));
    EXPECT_EQ(prompter.questions()[0].text, "Введите количество скоростей");
    EXPECT_EQ(data.promptAnswer, "3");
    EXPECT_EQ(dialog.shown, 3);
    EXPECT_EQ(data.speedCount, 3);
    EXPECT_EQ(data.currentStep, 3);
    EXPECT_EQ(data.rotorType, 2);
    EXPECT_TRUE(data.multiSpeed);
    EXPECT_EQ(data.stepParameters[1].ratedPower, 10);
    EXPECT_EQ(data.stepParameters[3].ratedPower, 30);
    EXPECT_EQ(data.stepParameters[3].criticalTorque, 398);
}

TEST(MotorWindow, SpeedCountOutsideOneToTenIsRefusedAndChangesNothing)
{
    for (const char* answer : {"0", "11", "-2"}) {
        AcWorkingData data = SampleData();
        data.speedCount = 2;
        FakeMotorDialog dialog([] {});
        ScriptedPrompter prompter({answer});
        EXPECT_FALSE(acdrive::EnterSpeedSteps(data, prompter, dialog)) << answer;
        EXPECT_EQ(prompter.notices(), std::vector<std::string>{acdrive::kSpeedCountRefused});
        EXPECT_EQ(dialog.shown, 0);
        EXPECT_EQ(data.rotorType, 1);
        EXPECT_FALSE(data.multiSpeed);
        EXPECT_EQ(data.speedCount, 2);
    }
}

TEST(MotorWindow, SpeedCountThatIsNotWholeEntersNoSpeed)
{
    AcWorkingData data = SampleData();
    FakeMotorDialog dialog([] {});
    ScriptedPrompter prompter({"2,5"});
    EXPECT_THROW(acdrive::EnterSpeedSteps(data, prompter, dialog), drive::ConversionError);
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_EQ(data.rotorType, 2);
    EXPECT_TRUE(data.multiSpeed);
}

}  // namespace
