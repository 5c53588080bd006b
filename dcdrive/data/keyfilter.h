#pragma once

// The key filter of the DC program's numeric edits (the motor window and the two system input
// windows).

namespace dcdrive {

// What becomes of a key press.
enum class KeyVerdict {
    Accept, // the key reaches the edit
    Beep, // the key is discarded and the system's default beep sounds
};

// The digits 0 .. 9 and the comma pass; every other character, backspace, minus sign and full
// stop included, is discarded with a beep. `key` is the character the key press types; keys
// that type nothing (arrows, Delete) do not pass through the filter.
constexpr KeyVerdict DcKeyFilter(char32_t key)
{
    return (key >= U'0' && key <= U'9') || key == U',' ? KeyVerdict::Accept : KeyVerdict::Beep;
}

} // namespace dcdrive
