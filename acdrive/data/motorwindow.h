#pragma once

// The motor window ("Параметры двигателя") as texts over the working data set: 13 fields that
// show and edit the parameters of one induction motor, or of one speed of a multi-speed motor,
// and the ".mot" file of those fields. The Qt window mirrors MotorWindowTexts: it shows the
// texts after ShowMotorData and LoadMotorFile, and hands the typed texts back before
// AcceptMotorData and SaveMotorFile.
//
// ".mot" file: the 13 field values in field order as little-endian doubles, 104 bytes, no
// header; slips and efficiency in percent, as typed.

#include <array>
#include <cstdint>
#include <string>

#include "acdrive/data/workingdata.h"
#include "common/filedialogs.h"
#include "common/prompter.h"

namespace acdrive {

constexpr int kMotorFieldCount = 13;

inline constexpr const char* kMotorWindowCaption = "Параметры двигателя";
inline constexpr const char* kMotorFileFilter = "Файлы данных двигателя|*.mot";
inline constexpr const char* kStepLabel = "Ступень №";
inline constexpr const char* kRotorTypeLabel = "Тип ротора :";
inline constexpr const char* kWoundRotorText = "    Фазный";
inline constexpr const char* kCageRotorText = "Короткозамкнутый";
// Hints of the four buttons.
inline constexpr const char* kLoadMotorHint = "Закрузить параметры двигателя";
inline constexpr const char* kSaveMotorHint = "Сохранить параметры двигателя";
inline constexpr const char* kAcceptMotorHint = "Принять изменения";
inline constexpr const char* kCancelMotorHint = "Отмена изменений";

// The labels of Edit1 .. Edit13 (index 0 is Edit1).
extern const std::array<const char*, kMotorFieldCount> kMotorFieldLabels;

// What the motor window shows.
struct MotorWindowTexts {
    MotorWindowTexts() { fields.fill("0"); }

    // Edit k, k = 1 .. 13.
    std::string& Edit(int k) { return fields[static_cast<std::size_t>(k - 1)]; }
    const std::string& Edit(int k) const { return fields[static_cast<std::size_t>(k - 1)]; }

    std::array<std::string, kMotorFieldCount> fields;  // Edit1 .. Edit13
    bool stepDimmed = true;                             // "Ступень №" and its number dimmed
    std::string stepNumber = "_";                       // shown after "Ступень №"
    std::string rotorType = kCageRotorText;             // shown after "Тип ротора :"
    // Set by the main window's motor-load button: the next activation keeps the fields just
    // read from the file instead of refilling them from the data set.
    bool keepLoadedFields = false;
};

// The motor window shown modally: the desktop program shows the window (its activation runs
// ShowMotorData) and returns when the user has accepted or cancelled it.
class MotorDialog {
public:
    virtual ~MotorDialog() = default;
    virtual void ShowModal() = 0;
};

// Activation: motorEntered := false; the header (step number "_" dimmed and the rotor type text
// by rotorType for a single-speed motor, step currentStep and "Короткозамкнутый" for a
// multi-speed one) and the fields from the motor (or stepParameters[currentStep]) in their
// fixed formats, percent fields times 100.
void ShowMotorData(AcWorkingData& data, MotorWindowTexts& window);

// "Принять изменения": parses Edit1 .. Edit6, Edit8, Edit7, Edit9 .. Edit13 in that order and
// stores each into the motor at once (percent fields divided by 100), then motorEntered :=
// true. A field that is not a number throws drive::ConversionError: the fields before it are
// stored, the window stays open and motorEntered stays false. The main window then updates its
// calculation menu (AcceptMotorWindow does both).
void AcceptMotorData(const MotorWindowTexts& window, AcWorkingData& data);

// "Отмена изменений": the window closes and nothing is stored; motorEntered stays false as the
// activation left it.
inline void CancelMotorData(const AcWorkingData&) {}

// "Сохранить параметры двигателя": the name chosen in the save dialog with ".mot" appended,
// always; an existing file is replaced without a question. Every field is converted before
// anything is written, so a field that is not a number throws drive::ConversionError and an
// existing file stays as it was. A file that cannot be created is reported as
// "Не могу сохранить фаил: " + name; a failed write throws drive::FileIoError. True when a file
// was written.
bool SaveMotorFile(const MotorWindowTexts& window, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// What a motor file load did.
enum class MotorLoad { Cancelled, CannotOpen, ReadError, Loaded };

// "Закрузить параметры двигателя": reads the first 13 values of the file chosen in the open
// dialog into Edit1 .. Edit13 as FormatNumber texts. A file that cannot be opened is reported
// as "Не могу открыть фаил: " + name; a file shorter than 104 bytes sets every field to "0" and
// reports "Произошла ошибка при чтении файла". The data set is not touched.
MotorLoad LoadMotorFile(MotorWindowTexts& window, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// The same load from a named file, without the dialog.
MotorLoad LoadMotorFileNamed(MotorWindowTexts& window, drive::Prompter& prompter, const std::string& name);

// The main window's motor-load tool button: LoadMotorFile into the motor window, then the
// window shown modally (also when the dialog was cancelled); values read from a file stay in
// the fields for the user to accept.
MotorLoad LoadMotorFileAndShow(MotorWindowTexts& window, drive::FileDialogs& dialogs,
                               drive::Prompter& prompter, MotorDialog& motorDialog);

// The refusal of a number of speeds outside 1 .. 10.
inline constexpr const char* kSpeedCountRefused = "Количество скоростей должно быть от 1 до 10";

// The multi-speed motor entry: rotorType := 2 and multiSpeed := true, asks
// "Введите количество скоростей" (a text that is not a whole number throws
// drive::ConversionError with those two already set), then for k = 1 .. speedCount shows the
// motor window for speed k (currentStep := k) and copies the motor into stepParameters[k],
// whether the window was accepted or cancelled. A number outside 1 .. 10 is refused with
// kSpeedCountRefused and changes nothing. True when the speeds were entered: the main window
// then updates its calculation menu.
bool EnterSpeedSteps(AcWorkingData& data, drive::Prompter& prompter, MotorDialog& motorDialog);

}  // namespace acdrive
