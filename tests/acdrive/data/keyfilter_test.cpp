#include "acdrive/data/keyfilter.h"

#include <gtest/gtest.h>

namespace {

using acdrive::KeyVerdict;

TEST(NumericKeyFilter, DigitsCommaAndBackspacePassEverythingElseBeeps)
{
    for (char32_t key : {U'0', U'5', U'9', U',', U'\b'})
        EXPECT_EQ(acdrive::NumericKeyFilter(key), KeyVerdict::Accept) << static_cast<int>(key);
    for (char32_t key : {U'-', U'+', U'.', U'E', U'e', U' ', U'a', U'б', U'\r', U'\x7f', U'٣'})
        EXPECT_EQ(acdrive::NumericKeyFilter(key), KeyVerdict::Beep) << static_cast<int>(key);
}

}  // namespace
