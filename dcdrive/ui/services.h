#pragma once

#include "common/filedialogs.h"
#include "common/prompter.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

namespace dcdrive::ui {

// What the windows route their commands through: the program's working data set, its
// questions and messages, its file dialogs and the modal windows the core opens on its way.
struct DcServices {
    DcWorkingData& data;
    drive::Prompter& prompter;
    drive::FileDialogs& dialogs;
    DcWindows& windows;
};

} // namespace dcdrive::ui
