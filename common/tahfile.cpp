#include "common/tahfile.h"

#include <cstdio>

#include "common/errors.h"
#include "common/filebytes.h"
#include "common/numbertext.h"

namespace drive {
namespace {

constexpr int kValuesPerRow = 5;
constexpr std::size_t kValueBytes = 8;

}  // namespace

bool SaveDiagramFile(const TextGrid& grid, FileDialogs& dialogs, Prompter& prompter, const std::string& filter)
{
    const std::optional<std::string> chosen = dialogs.GetSaveFileName(filter);
    if (!chosen || chosen->empty())
        return false;
    const std::string path = *chosen + ".tah";
    if (FileCanBeOpened(path) && !prompter.AskYesNo("Такой фаил уже существует вы хотите его заменить?"))
        return false;

    std::string bytes;
    for (int row = 1; row <= kTahFileRows; ++row) {
        for (int column = 1; column <= kValuesPerRow; ++column)
            AppendDouble(bytes, ParseNumber(grid.Cell(row, column)));
    }
    WriteFileAtomically(path, bytes);
    return true;
}

DiagramLoad LoadDiagramFile(TextGrid& grid, FileDialogs& dialogs, Prompter& prompter, const std::string& filter)
{
    const std::optional<std::string> chosen = dialogs.GetOpenFileName(filter);
    if (!chosen || chosen->empty())
        return DiagramLoad::Cancelled;
    return LoadDiagramFileNamed(grid, prompter, *chosen);
}

DiagramLoad LoadDiagramFileNamed(TextGrid& grid, Prompter& prompter, const std::string& name)
{
    std::FILE* file = OpenFileForReading(name);
    if (!file) {
        prompter.ShowNotice("Не могу открыть фаил: " + name);
        return DiagramLoad::CannotOpen;
    }
    // Rows are read one at a time, so a file of any length loads in constant memory; rows past
    // the grid's last row are read and dropped (the row number stops at the first row outside).
    int row = 0;
    bool partialRow = false;
    char buffer[kValuesPerRow * kValueBytes];
    while (true) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        const std::size_t values = got / kValueBytes;
        if (values == 0)
            break;
        if (row < grid.rowCount())
            ++row;
        const std::string bytes(buffer, got);
        for (std::size_t v = 0; v < values; ++v)
            grid.SetCell(row, static_cast<int>(v) + 1, FormatNumber(DoubleAt(bytes, v * kValueBytes)));
        if (values < kValuesPerRow) {
            partialRow = true;
            break;
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (partialRow || failed) {
        prompter.ShowNotice("Произошла ошибка при чтении файла");
        return DiagramLoad::ReadError;
    }
    return DiagramLoad::Loaded;
}

}  // namespace drive
