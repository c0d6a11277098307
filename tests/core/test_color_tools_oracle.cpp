// SPDX-License-Identifier: MIT
//
// APCA and the colour-vision simulations against independent code (see
// oracle/tools_oracle.mjs): apca-w3 0.1.9 for Lc, and the published
// Machado et al. matrices over colorjs.io's sRGB transfer curves; and the
// .ase reader on a palette that ase-utils encoded, and the writer's file
// for ase-utils to decode (run_oracle.sh checks it afterwards).
#include "core/color_apca.h"
#include "core/color_vision.h"
#include "palettes/palette_ase.h"
#include "palettes/palette_exchange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace tintora {
namespace {

Rgb ReadRgb(std::istringstream& in)
{
    Rgb c;
    char comma = 0;
    in >> c.red >> comma >> c.green >> comma >> c.blue;
    return c;
}

// Each channel of `got` against the unrounded 0..255 values that follow in
// `in`, separated by commas: clamped and rounded, halves up.
void ExpectRounded(Rgb got, std::istringstream& in, const std::string& line)
{
    for (const int channel : {got.red, got.green, got.blue}) {
        double exact = 0;
        char comma = 0;
        in >> std::ws >> exact >> comma;
        const double clamped = std::fmin(std::fmax(exact, 0.0), 255.0);
        // A value within 1e-6 of a half step may round either way.
        const bool tie = std::fabs(clamped - std::floor(clamped) - 0.5) < 1e-6;
        EXPECT_LE(std::fabs(channel - std::floor(clamped + 0.5)), tie ? 1.0 : 0.0) << line;
    }
}

TEST(ColorToolsOracle, AgreesWithApcaW3ThePublishedMatricesAndAseUtils)
{
    const char* path = std::getenv("TINTORA_TOOLS_CASES");
    ASSERT_NE(path, nullptr) << "run through oracle/run_oracle.sh";
    std::ifstream file(path);
    std::string line;
    int apca = 0;
    int simulated = 0;
    std::vector<std::string> aseLines;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        std::string kind;
        std::getline(in, kind, '\t');
        const Rgb a = ReadRgb(in);
        if (kind == "apca") {
            const Rgb b = ReadRgb(in);
            double expected = 0;
            in >> expected;
            EXPECT_NEAR(ApcaContrast(a, b), expected, 1e-9) << line;
            ++apca;
            continue;
        }
        if (kind == "ase") {
            aseLines.push_back(line);
            continue;
        }
        const std::optional<VisionKind> vision = VisionKindFromName(kind);
        ASSERT_TRUE(vision) << line;
        ExpectRounded(SimulateVision(*vision, a), in, line);
        ++simulated;
    }
    EXPECT_GE(apca, 4000);
    EXPECT_GE(simulated, 16000);

    std::ifstream aseFile(std::getenv("TINTORA_TOOLS_ASE"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(aseFile)), std::istreambuf_iterator<char>());
    const PaletteRead read = ParsePalette(bytes, PaletteFileFormat::Ase);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.colors.size(), aseLines.size());
    CustomColorArray written{};
    for (std::size_t i = 0; i < aseLines.size(); ++i) {
        std::istringstream in(aseLines[i]);
        std::string skip;
        in >> skip >> skip;
        ExpectRounded(read.colors[i], in, aseLines[i]);
        written[i + 1] = read.colors[i].ToColorRef();
    }
    std::ofstream(std::getenv("TINTORA_TOOLS_ASE_OUT"), std::ios::binary) << FormatAsePalette(written);
}

} // namespace
} // namespace tintora
