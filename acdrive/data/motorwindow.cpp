#include "acdrive/data/motorwindow.h"

#include <optional>

#include "acdrive/data/prompts.h"
#include "common/errors.h"
#include "common/filebytes.h"
#include "common/numbertext.h"

namespace acdrive {

const std::array<const char*, kMotorFieldCount> kMotorFieldLabels = {
    "Номинальная мощность, кВт",
    "Номинальное фазное напряжение статора , В",
    "Синхронная скорость, 1/с",
    "Номинальное скольжение, %",
    "Критическое скольжение, %",
    "Критический момент, Нм",
    "Коэффициент полезного действия, %",
    "Номинальный коэффициент мощности ",
    "Сопротивление цепи намагничивания, Ом",
    "Активное сопротивление статора, Ом",
    "Индуктивное сопротивление статора, Ом",
    "Прив. активное сопротивление ротора, Ом",
    "Прив. индуктивное сопротивление ротора, Ом",
};

namespace {

constexpr std::size_t kValueBytes = 8;
constexpr std::size_t kMotorFileBytes = kMotorFieldCount * kValueBytes;

// How a field shows and stores its parameter.
struct FieldFormat {
    double MotorParameters::*value;
    bool percent;   // typed in percent, stored as a fraction
    int precision;  // FormatFixed significant digits
    int decimals;   // FormatFixed decimals
};

// Edit1 .. Edit13.
constexpr std::array<FieldFormat, kMotorFieldCount> kFields = {{
    {&MotorParameters::ratedPower, false, 6, 3},
    {&MotorParameters::ratedPhaseVoltage, false, 6, 0},
    {&MotorParameters::synchronousSpeed, false, 6, 2},
    {&MotorParameters::ratedSlip, true, 4, 1},
    {&MotorParameters::criticalSlip, true, 4, 1},
    {&MotorParameters::criticalTorque, false, 5, 2},
    {&MotorParameters::ratedEfficiency, true, 4, 3},
    {&MotorParameters::ratedPowerFactor, false, 4, 3},
    {&MotorParameters::magnetizingReactance, false, 5, 3},
    {&MotorParameters::statorResistance, false, 5, 3},
    {&MotorParameters::statorReactance, false, 5, 3},
    {&MotorParameters::rotorResistance, false, 5, 3},
    {&MotorParameters::rotorReactance, false, 5, 3},
}};

// The order in which accept parses the fields: the power factor (Edit8) before the efficiency.
constexpr std::array<int, kMotorFieldCount> kAcceptOrder = {1, 2, 3, 4, 5, 6, 8, 7, 9, 10, 11, 12, 13};

const MotorParameters& ShownParameters(const AcWorkingData& data)
{
    static const MotorParameters none{};
    if (!data.multiSpeed)
        return data.motor;
    if (data.currentStep < 0 || data.currentStep > kMaxSpeeds)
        return none;
    return data.stepParameters[static_cast<std::size_t>(data.currentStep)];
}

}  // namespace

void ShowMotorData(AcWorkingData& data, MotorWindowTexts& window)
{
    data.motorEntered = false;
    if (!data.multiSpeed) {
        window.stepDimmed = true;
        window.stepNumber = "_";
        if (data.rotorType == 1)
            window.rotorType = kWoundRotorText;
        else if (data.rotorType == 2)
            window.rotorType = kCageRotorText;
    } else {
        window.stepDimmed = false;
        window.stepNumber = std::to_string(data.currentStep);
        window.rotorType = kCageRotorText;
    }
    if (window.keepLoadedFields) {
        window.keepLoadedFields = false;
        return;
    }
    const MotorParameters& shown = ShownParameters(data);
    for (int k = 1; k <= kMotorFieldCount; ++k) {
        const FieldFormat& f = kFields[static_cast<std::size_t>(k - 1)];
        const double value = f.percent ? shown.*f.value * 100 : shown.*f.value;
        window.Edit(k) = drive::FormatFixed(value, f.precision, f.decimals);
    }
}

void AcceptMotorData(const MotorWindowTexts& window, AcWorkingData& data)
{
    for (int k : kAcceptOrder) {
        const FieldFormat& f = kFields[static_cast<std::size_t>(k - 1)];
        const double typed = drive::ParseNumber(window.Edit(k));
        data.motor.*f.value = f.percent ? typed / 100 : typed;
    }
    data.motorEntered = true;
}

bool SaveMotorFile(const MotorWindowTexts& window, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    const std::optional<std::string> chosen = dialogs.GetSaveFileName(kMotorFileFilter);
    if (!chosen || chosen->empty())
        return false;
    const std::string path = *chosen + ".mot";
    std::string bytes;
    for (int k = 1; k <= kMotorFieldCount; ++k)
        drive::AppendDouble(bytes, drive::ParseNumber(window.Edit(k)));
    try {
        drive::WriteFileAtomically(path, bytes);
    } catch (const drive::FileCreateError&) {
        prompter.ShowNotice("Не могу сохранить фаил: " + path);
        return false;
    }
    return true;
}

MotorLoad LoadMotorFile(MotorWindowTexts& window, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    const std::optional<std::string> chosen = dialogs.GetOpenFileName(kMotorFileFilter);
    if (!chosen || chosen->empty())
        return MotorLoad::Cancelled;
    return LoadMotorFileNamed(window, prompter, *chosen);
}

MotorLoad LoadMotorFileNamed(MotorWindowTexts& window, drive::Prompter& prompter, const std::string& name)
{
    std::string bytes;
    bool opened = false;
    try {
        opened = drive::ReadFileBytes(name, bytes, kMotorFileBytes);
    } catch (const drive::FileIoError&) {
        // A read that fails part way counts as a short file.
        opened = true;
        bytes.clear();
    }
    if (!opened) {
        prompter.ShowNotice("Не могу открыть фаил: " + name);
        return MotorLoad::CannotOpen;
    }
    if (bytes.size() < kMotorFileBytes) {
        window.fields.fill("0");
        prompter.ShowNotice("Произошла ошибка при чтении файла");
        return MotorLoad::ReadError;
    }
    for (int k = 1; k <= kMotorFieldCount; ++k) {
        const std::size_t offset = static_cast<std::size_t>(k - 1) * kValueBytes;
        window.Edit(k) = drive::FormatNumber(drive::DoubleAt(bytes, offset));
    }
    return MotorLoad::Loaded;
}

MotorLoad LoadMotorFileAndShow(MotorWindowTexts& window, drive::FileDialogs& dialogs,
                               drive::Prompter& prompter, MotorDialog& motorDialog)
{
    const MotorLoad load = LoadMotorFile(window, dialogs, prompter);
    window.keepLoadedFields = load == MotorLoad::Loaded;
    motorDialog.ShowModal();
    window.keepLoadedFields = false;
    return load;
}

bool EnterSpeedSteps(AcWorkingData& data, drive::Prompter& prompter, MotorDialog& motorDialog)
{
    const std::int32_t oldRotorType = data.rotorType;
    const bool oldMultiSpeed = data.multiSpeed;
    data.rotorType = 2;
    data.multiSpeed = true;
    const std::int32_t count = AskWhole(data, prompter, "Введите количество скоростей");
    if (count < 1 || count > kMaxSpeeds) {
        data.rotorType = oldRotorType;
        data.multiSpeed = oldMultiSpeed;
        prompter.ShowNotice(kSpeedCountRefused);
        return false;
    }
    data.speedCount = count;
    for (int k = 1; k <= count; ++k) {
        data.currentStep = k;
        motorDialog.ShowModal();
        data.stepParameters[static_cast<std::size_t>(k)] = data.motor;
    }
    return true;
}

}  // namespace acdrive
