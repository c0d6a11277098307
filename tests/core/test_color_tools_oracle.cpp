// SPDX-License-Identifier: MIT
//
// APCA and the colour-vision simulations against independent code (see
// oracle/tools_oracle.mjs): apca-w3 0.1.9 for Lc, and the published
// Machado et al. matrices over colorjs.io's sRGB transfer curves.
#include "core/color_apca.h"
#include "core/color_vision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tintora {
namespace {

Rgb ReadRgb(std::istringstream& in)
{
    Rgb c;
    char comma = 0;
    in >> c.red >> comma >> c.green >> comma >> c.blue;
    return c;
}

TEST(ColorToolsOracle, AgreesWithApcaW3AndThePublishedMatrices)
{
    const char* path = std::getenv("TINTORA_TOOLS_CASES");
    ASSERT_NE(path, nullptr) << "run through oracle/run_oracle.sh";
    std::ifstream file(path);
    std::string line;
    int apca = 0;
    int simulated = 0;
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
        const std::optional<VisionKind> vision = VisionKindFromName(kind);
        ASSERT_TRUE(vision) << line;
        const Rgb got = SimulateVision(*vision, a);
        const int channels[3] = {got.red, got.green, got.blue};
        for (const int channel : channels) {
            double exact = 0;
            char comma = 0;
            in >> std::ws >> exact >> comma;
            const double clamped = std::fmin(std::fmax(exact, 0.0), 255.0);
            // A value within 1e-6 of a half step may round either way.
            const bool tie = std::fabs(clamped - std::floor(clamped) - 0.5) < 1e-6;
            EXPECT_LE(std::fabs(channel - std::floor(clamped + 0.5)), tie ? 1.0 : 0.0) << line;
        }
        ++simulated;
    }
    EXPECT_GE(apca, 4000);
    EXPECT_GE(simulated, 16000);
}

} // namespace
} // namespace tintora
