#pragma once

namespace dcdrive {

// The key filter of the DC program's numeric edits: true when a typed character may enter the
// edit (a digit 0 .. 9 or the comma). Every other character, backspace, minus sign and full
// stop included, is discarded and the caller sounds the system's default beep.
constexpr bool DcKeyFilter(char32_t key)
{
    return (key >= U'0' && key <= U'9') || key == U',';
}

} // namespace dcdrive
