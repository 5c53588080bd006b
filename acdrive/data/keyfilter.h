#pragma once

// The key filter of every numeric text field of the AC program (the motor window's fields and
// the number dialog).

namespace acdrive {

// The character a backspace key press types.
constexpr char32_t kBackspaceKey = U'\b';

// What becomes of a key press.
enum class KeyVerdict {
    Accept,  // the key reaches the field
    Beep,    // the key is discarded and the system's default beep sounds
};

// The digits 0 .. 9, the comma and backspace pass; every other character is discarded with a
// beep. `key` is the character the key press types; keys that type nothing (arrows, Delete)
// do not pass through the filter.
KeyVerdict NumericKeyFilter(char32_t key);

}  // namespace acdrive
