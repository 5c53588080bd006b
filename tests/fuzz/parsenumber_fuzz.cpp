// ParseNumber, ParseWhole and the number formats on arbitrary text: a text is either a number
// or a conversion error, and a number's text reads back as the same text.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/errors.h"
#include "common/numbertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = drive::ParseNumber(text);
        if (!std::isfinite(value))
            std::abort();
        const std::string shown = drive::FormatNumber(value);
        if (drive::FormatNumber(drive::ParseNumber(shown)) != shown)
            std::abort();
        for (int precision = 1; precision <= 15; precision += 7) {
            for (int decimals = 0; decimals <= 6; decimals += 3)
                drive::ParseNumber(drive::FormatFixed(value, precision, decimals));
        }
        drive::FormatWhole(value);
    } catch (const drive::ConversionError&) {
    }
    try {
        const std::int32_t whole = drive::ParseWhole(text);
        if (drive::ParseWhole(std::to_string(whole)) != whole)
            std::abort();
    } catch (const drive::ConversionError&) {
    }
    return 0;
}
