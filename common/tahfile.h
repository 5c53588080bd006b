#pragma once

// The ".tah" load-diagram file, shared by both programs: rows of five little-endian doubles
// (time, speed, static torque, acceleration, moment of inertia), 40 bytes a row, no header.
// The routines read and write columns 1 .. 5 of an editing grid.

#include <string>

#include "common/filedialogs.h"
#include "common/prompter.h"
#include "common/textgrid.h"

namespace drive {

// The rows a saved file holds.
constexpr int kTahFileRows = 31;

// The AC editor's filter; the DC editor uses "Файлы тахограмм|*.tah".
inline constexpr const char* kAcTahFilter = "Файлы тахограмм и нагрузочных диаграмм|*.tah";
inline constexpr const char* kDcTahFilter = "Файлы тахограмм|*.tah";

// Saves grid rows 1 .. 31, columns 1 .. 5, as a ".tah" file: the name chosen in the save
// dialog always gets ".tah" appended; an existing file is replaced only after the question
// "Такой фаил уже существует вы хотите его заменить?" is answered Yes. Every cell is converted
// before anything is written, so a cell that is not a number throws ConversionError and leaves
// an existing file as it was; the file is written as a whole through a temporary file
// (FileCreateError when it cannot be created or replaced, FileIoError when writing fails).
// Returns true when a file was written.
bool SaveDiagramFile(const TextGrid& grid, FileDialogs& dialogs, Prompter& prompter, const std::string& filter);

// What a load did.
enum class DiagramLoad { Cancelled, CannotOpen, ReadError, Loaded };

// Loads a ".tah" file chosen in the open dialog (no suffix added) into columns 1 .. 5 of the
// grid rows it reaches, each value written as FormatNumber text; the grid is not cleared first
// and rows beyond the grid are read without effect. Trailing bytes short of a whole value are
// ignored; a file that ends inside a row fills that row's values up to the end and reports
// "Произошла ошибка при чтении файла". A file that cannot be opened (or a folder) is reported
// as "Не могу открыть фаил: " + name.
DiagramLoad LoadDiagramFile(TextGrid& grid, FileDialogs& dialogs, Prompter& prompter, const std::string& filter);

// The same load from a named file, without the dialog.
DiagramLoad LoadDiagramFileNamed(TextGrid& grid, Prompter& prompter, const std::string& name);

}  // namespace drive
