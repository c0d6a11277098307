// SPDX-License-Identifier: MIT
#include "core/color_vision.h"

#include "core/color_contrast.h"
#include "core/color_spaces.h"

#include <array>

namespace tintora {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes, "A Physiologically-based Model for
// Simulation of Color Vision Deficiency" (2009), severity 1.0, for linear
// RGB.
constexpr Matrix kProtanopia = {{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix kDeuteranopia = {{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix kTritanopia = {{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

struct Named {
    VisionKind kind;
    std::string_view name;
};

constexpr Named kNames[] = {
    {VisionKind::Protanopia, "protanopia"},
    {VisionKind::Deuteranopia, "deuteranopia"},
    {VisionKind::Tritanopia, "tritanopia"},
    {VisionKind::Achromatopsia, "achromatopsia"},
};

Rgb ApplyMatrix(const Matrix& m, Rgb rgb)
{
    const ColorCoords encoded = SrgbFrom8Bit(rgb);
    const ColorCoords linear{SrgbToLinear(encoded[0]), SrgbToLinear(encoded[1]), SrgbToLinear(encoded[2])};
    ColorCoords out{};
    for (std::size_t row = 0; row < 3; ++row) {
        const double v = m[row][0] * linear[0] + m[row][1] * linear[1] + m[row][2] * linear[2];
        out[row] = LinearToSrgb(v);
    }
    return SrgbTo8Bit(out);
}

} // namespace

std::string_view VisionKindName(VisionKind kind)
{
    for (const Named& n : kNames)
        if (n.kind == kind)
            return n.name;
    return {};
}

std::optional<VisionKind> VisionKindFromName(std::string_view name)
{
    for (const Named& n : kNames)
        if (n.name == name)
            return n.kind;
    return std::nullopt;
}

std::string_view VisionKindList()
{
    return "protanopia, deuteranopia, tritanopia, achromatopsia";
}

Rgb SimulateVision(VisionKind kind, Rgb rgb)
{
    switch (kind) {
    case VisionKind::Protanopia:
        return ApplyMatrix(kProtanopia, rgb);
    case VisionKind::Deuteranopia:
        return ApplyMatrix(kDeuteranopia, rgb);
    case VisionKind::Tritanopia:
        return ApplyMatrix(kTritanopia, rgb);
    case VisionKind::Achromatopsia:
        break;
    }
    const double grey = LinearToSrgb(RelativeLuminance(rgb));
    return SrgbTo8Bit(ColorCoords{grey, grey, grey});
}

} // namespace tintora
