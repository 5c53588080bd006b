#include "acdrive/data/keyfilter.h"

namespace acdrive {

KeyVerdict NumericKeyFilter(char32_t key)
{
    const bool passes = (key >= U'0' && key <= U'9') || key == U',' || key == kBackspaceKey;
    return passes ? KeyVerdict::Accept : KeyVerdict::Beep;
}

}  // namespace acdrive
