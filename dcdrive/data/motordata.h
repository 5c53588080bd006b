#pragma once

// The DC motor window (TForm2) as plain logic over its thirteen edit texts: acceptance with
// its checks and derived quantities, and the ".dpt" motor file (13 little-endian doubles in
// the order of the edits, 104 bytes, the power in kW).

#include "common/filedialogs.h"
#include "common/prompter.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

#include <array>
#include <string>

namespace dcdrive {

constexpr int kMotorEditCount = 13;

// The texts of Edit1 .. Edit13 at element 0 .. 12: Uн, Iн, Wн, Rя, Pн (kW), Jc, ПВ (%), B, K,
// Мс, Iхх, Uвн, Iвн.
using DcMotorEdits = std::array<std::string, kMotorEditCount>;

// The edits as the window starts: every text "0".
DcMotorEdits MakeMotorEdits();

// The labels of Edit1 .. Edit13.
extern const std::array<const char*, kMotorEditCount> kMotorEditLabels;

// The filter of the window's open and save dialogs.
inline constexpr const char* kMotorFileFilter = "Файлы данных ЭД|*.dpt";

// The window's "Принятие изменений". Converts the thirteen texts in order, storing each as it
// goes (drive::ConversionError at the first that is not a number), then runs the checks in
// order, each showing its message and ending the acceptance with the window open: Wн = 0,
// Iн = 0, J = 0, an edit still exactly "0" (motorDataComplete := false; true once all are
// filled), c = 0, Wн < tachoMaxSpeed, Pн >= 1000 kW, K > 5, Мс > Mн. Derived quantities are
// stored as they are computed; nothing done before a failed check is undone. While
// tachoMaxSpeed is 0 it shows "У вас максимальная угловая скорость Wmax=0. Измените параметры
// тахограммы" and the load diagram editor, until a count there gives a non-zero greatest
// speed. Returns true when the acceptance completed and the window closes.
bool AcceptDcMotorData(
    const DcMotorEdits& edits, DcWorkingData& data, drive::Prompter& prompter, DcWindows& windows);

// The name a motor file is saved under: the chosen name unchanged when its extension is ".dpt"
// in any case, otherwise with ".dpt" appended.
std::string MotorFileName(const std::string& chosen);

// The window's "Сохранить данные двигателя": the thirteen texts converted (all of them before
// anything is written: a text that is not a number throws drive::ConversionError and leaves an
// existing file as it was), then written as a whole through a temporary file that replaces the
// target without a question. A file that cannot be created (or replaced) is reported as
// "Ошибка при сохранении файла " + the chosen name; a failed write throws drive::FileIoError.
// Returns true when a file was written.
bool SaveMotorDataFile(const DcMotorEdits& edits, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// What a motor file load did.
enum class MotorLoad { Cancelled, CannotOpen, Damaged, Loaded };

// The window's "Загрузить данные двигателя" (also the main window's command): the values of
// the file chosen in the open dialog go into the edits as FormatNumber texts. A file that
// cannot be opened is reported as " Ошибка при попытке открытия файла " + name; a file shorter
// than 104 bytes fills the edits it reaches, leaves the others as they were and is reported as
// "Файл " + name + " поврежден". Only the edit texts change.
MotorLoad LoadMotorDataFile(DcMotorEdits& edits, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// The same load from a named file, without the dialog.
MotorLoad LoadMotorDataFileNamed(DcMotorEdits& edits, drive::Prompter& prompter, const std::string& name);

} // namespace dcdrive
