#include "dcdrive/data/motordata.h"

#include "common/errors.h"
#include "common/filebytes.h"
#include "common/numbertext.h"
#include "common/real.h"
#include "dcdrive/data/filenames.h"

namespace dcdrive {
namespace {

using drive::Real;

constexpr std::size_t kValueBytes = 8;
constexpr std::size_t kMotorFileBytes = kMotorEditCount * kValueBytes;

// The field each edit's value goes to, in the order of the edits and of the file.
constexpr std::array<double DcWorkingData::*, kMotorEditCount> kMotorFields = {
    &DcWorkingData::nominalVoltage,
    &DcWorkingData::nominalCurrent,
    &DcWorkingData::nominalSpeed,
    &DcWorkingData::armatureResistance,
    &DcWorkingData::nominalPower,
    &DcWorkingData::totalInertia,
    &DcWorkingData::ratedDutyFactor,
    &DcWorkingData::heatTransferFactor,
    &DcWorkingData::overloadFactor,
    &DcWorkingData::staticLoadTorque,
    &DcWorkingData::staticCurrent,
    &DcWorkingData::fieldVoltage,
    &DcWorkingData::fieldCurrent,
};

// The greatest overload factor the motor data may give.
constexpr double kMaxOverloadFactor = 5;
// Rated powers from this many kW up are taken as typed in W by mistake.
constexpr double kPowerLimit = 1000;

// The completeness check: every edit filled, that is no text exactly "0".
bool CheckMotorFieldsFilled(const DcMotorEdits& edits, DcWorkingData& data, drive::Prompter& prompter)
{
    data.motorDataComplete = true;
    for (const std::string& text : edits) {
        if (text == "0")
            data.motorDataComplete = false;
    }
    if (!data.motorDataComplete)
        prompter.ShowNotice("Вы не доконца заполнили все данные");
    return data.motorDataComplete;
}

} // namespace

const std::array<const char*, kMotorEditCount> kMotorEditLabels = {
    "Номинальное напряжение Uн, B",
    "Номинальный ток Iн, А",
    "Номинальная скорость Wн, 1/cек",
    "Сопротивление обмотки якоря, суммарное Rя, Ом",
    "Номинальная мощность Pн, кВт",
    "Момент инерции суммарный Jc, кг*м*м",
    "Продолжительность включения ПВ, %",
    "Коэффициент ухудшения теплоотдачи В",
    "Коэффициент перегрузки ЭД, К",
    "Момент статический Мс, Н*м",
    "Ток холостого хода , Iхх, A",
    "Номинальное напряжение ОВ, Uвн, B",
    "Номинальный ток ОВ, Iвн, А",
};

DcMotorEdits MakeMotorEdits()
{
    DcMotorEdits edits;
    edits.fill("0");
    return edits;
}

bool AcceptDcMotorData(
    const DcMotorEdits& edits, DcWorkingData& data, drive::Prompter& prompter, DcWindows& windows)
{
    for (std::size_t k = 0; k < kMotorFields.size(); ++k)
        data.*kMotorFields[k] = drive::ParseNumber(edits[k]);

    const Real un = data.nominalVoltage;
    const Real in = data.nominalCurrent;
    const Real wn = data.nominalSpeed;
    const Real ra = data.armatureResistance;
    const Real j = data.totalInertia;
    const Real k = data.overloadFactor;
    const Real mc = data.staticLoadTorque;

    if (wn == 0) {
        prompter.ShowNotice("Номинальная скорость Wн не может быть равна 0");
        return false;
    }
    const Real c = (un - in * ra) / wn;
    data.emfCoefficient = c.value();
    if (in == 0) {
        prompter.ShowNotice("Номинальный ток Iн не может быть равен 0");
        return false;
    }
    if (j == 0) {
        prompter.ShowNotice("Момент инерции суммарный Jс не может быть равен 0");
        return false;
    }
    if (!CheckMotorFieldsFilled(edits, data, prompter))
        return false;
    if (c == 0) {
        prompter.ShowNotice("У вас получается коэффициент передачи ЭДС К4=0. Измените введеные данные");
        return false;
    }
    data.idealNoLoadSpeed = (un / c).value();
    if (wn < data.tachoMaxSpeed) {
        prompter.ShowNotice("Регулирование ОДНОЗОННОЕ ! Измените номинальную скорость Wн либо тахограмму");
        return false;
    }
    if (data.nominalPower >= kPowerLimit) {
        prompter.ShowNotice("Вы неправильно ввели номинальную мощьность");
        return false;
    }
    data.nominalPower = (Real(data.nominalPower) * 1000).value();
    if (k > kMaxOverloadFactor) {
        prompter.ShowNotice("Вы неправильно ввели коэффициент перегрузки KP ( KP>5 )");
        return false;
    }
    const Real mn = Real(data.nominalPower) / wn;
    data.nominalTorque = mn.value();
    if (mc > mn) {
        prompter.ShowNotice("Вы неправильно ввели статический момент");
        return false;
    }
    while (data.tachoMaxSpeed == 0) {
        prompter.ShowNotice("У вас максимальная угловая скорость Wmax=0. Измените параметры тахограммы");
        windows.ShowTachoEditor();
    }

    const Real ic = wn >= data.tachoMaxSpeed ? mc / c : in * mc / mn;
    data.staticCurrent = ic.value();
    data.allowedAcceleration = (c * (k * in - mc / c) / j).value();
    const Real x = ic / in;
    data.staticCurrentRatio = x.value();
    data.staticLoadLosses
        = (drive::Sqr(x) * drive::Sqr(in) * ra + 2 * x * in + 0.01 * un * in * drive::Sqr(x)).value();
    return true;
}

std::string MotorFileName(const std::string& chosen)
{
    return WithExtension(chosen, ".dpt");
}

bool SaveMotorDataFile(const DcMotorEdits& edits, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    const std::optional<std::string> chosen = dialogs.GetSaveFileName(kMotorFileFilter);
    if (!chosen || chosen->empty())
        return false;
    std::string bytes;
    for (const std::string& text : edits)
        drive::AppendDouble(bytes, drive::ParseNumber(text));
    try {
        drive::WriteFileAtomically(MotorFileName(*chosen), bytes);
    } catch (const drive::FileCreateError&) {
        prompter.ShowNotice("Ошибка при сохранении файла " + *chosen);
        return false;
    }
    return true;
}

MotorLoad LoadMotorDataFile(DcMotorEdits& edits, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    const std::optional<std::string> chosen = dialogs.GetOpenFileName(kMotorFileFilter);
    if (!chosen || chosen->empty())
        return MotorLoad::Cancelled;
    return LoadMotorDataFileNamed(edits, prompter, *chosen);
}

MotorLoad LoadMotorDataFileNamed(DcMotorEdits& edits, drive::Prompter& prompter, const std::string& name)
{
    std::string bytes;
    if (!drive::ReadFileBytes(name, bytes, kMotorFileBytes)) {
        prompter.ShowNotice(" Ошибка при попытке открытия файла " + name);
        return MotorLoad::CannotOpen;
    }
    for (std::size_t k = 0; k < edits.size() && (k + 1) * kValueBytes <= bytes.size(); ++k)
        edits[k] = drive::FormatNumber(drive::DoubleAt(bytes, k * kValueBytes));
    if (bytes.size() < kMotorFileBytes) {
        prompter.ShowNotice("Файл " + name + " поврежден");
        return MotorLoad::Damaged;
    }
    return MotorLoad::Loaded;
}

} // namespace dcdrive
