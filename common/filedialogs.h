#pragma once

#include <optional>
#include <string>

namespace drive {

// The open and save file dialogs, behind an interface: the desktop programs show the
// platform's dialogs, the batch runner and the tests return names they were given.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The name chosen in a save dialog with the given filter ("Описание|*.ext"); nullopt when
    // cancelled.
    virtual std::optional<std::string> GetSaveFileName(const std::string& filter) = 0;

    // The name chosen in an open dialog with the given filter; nullopt when cancelled.
    virtual std::optional<std::string> GetOpenFileName(const std::string& filter) = 0;
};

// Dialogs answered with fixed names, for the batch runner and the tests.
class FixedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> saveName;
    std::optional<std::string> openName;

    std::optional<std::string> GetSaveFileName(const std::string&) override { return saveName; }
    std::optional<std::string> GetOpenFileName(const std::string&) override { return openName; }
};

}  // namespace drive
