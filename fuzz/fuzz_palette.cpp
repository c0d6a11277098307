// SPDX-License-Identifier: MIT
// Fuzzes the custom colours file reader: any bytes give 225 values without
// a crash, the reader stops at its caps, a stream read cleanly left nothing
// unread, and what the writer makes of the values reads back cleanly to the
// same values.
#include "palettes/custom_colors_file.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const tintora::CustomColorsParse parsed = tintora::ParseCustomColors(in);
    if (parsed.linesRead < 0 || parsed.linesRead > tintora::CustomColorSlots)
        std::abort();
    if (parsed.clean() && parsed.truncated)
        std::abort();
    if (parsed.problemLine < 0 || parsed.problemLine > parsed.linesRead + 1)
        std::abort();

    std::ostringstream out;
    tintora::FormatCustomColors(parsed.colors, out);
    std::istringstream again(out.str());
    const tintora::CustomColorsParse reread = tintora::ParseCustomColors(again);
    if (reread.colors != parsed.colors || reread.linesRead != tintora::CustomColorSlots || !reread.clean())
        std::abort();
    return 0;
}
