// SPDX-License-Identifier: MIT
#include "palettes/palette_ase.h"

#include "core/color_spaces.h"
#include "palettes/palette_exchange.h"

#include <QCoreApplication>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tintora {

namespace {

constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kColorEntry = 0x0001;
constexpr std::uint16_t kNormalColor = 2;

// A bounded big-endian reader; every read checks what is left.
class Reader
{
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    std::size_t offset() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }
    bool Read(std::size_t n, std::uint32_t* value)
    {
        if (left() < n)
            return false;
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v = v << 8 | static_cast<unsigned char>(bytes_[pos_ + i]);
        pos_ += n;
        *value = v;
        return true;
    }
    bool Skip(std::size_t n)
    {
        if (left() < n)
            return false;
        pos_ += n;
        return true;
    }
    std::string_view Take(std::size_t n)
    {
        const std::string_view part = bytes_.substr(pos_, n);
        pos_ += part.size();
        return part;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::string Tr(const char* text)
{
    return QCoreApplication::translate("PaletteExchange", text).toStdString();
}

std::string At(std::size_t offset, const std::string& what)
{
    return QCoreApplication::translate("PaletteExchange", "byte %1: %2")
        .arg(offset)
        .arg(QString::fromStdString(what))
        .toStdString();
}

// A name: its code units, the terminating 0 included; the text as UTF-8.
std::optional<std::string> ReadName(Reader& block)
{
    std::uint32_t units = 0;
    if (!block.Read(2, &units) || block.left() < std::size_t{units} * 2)
        return std::nullopt;
    const std::string_view raw = block.Take(std::size_t{units} * 2);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(raw[i]) << 8 |
                                                static_cast<unsigned char>(raw[i + 1]));
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::uint8_t Byte(std::uint32_t v, int shift)
{
    return static_cast<std::uint8_t>(v >> shift & 0xFFu);
}

void Put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(Byte(v, 8));
    out += static_cast<char>(Byte(v, 0));
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v >> 16);
    Put16(out, v & 0xFFFFu);
}

} // namespace

PaletteRead ParseAsePalette(std::string_view bytes)
{
    PaletteRead read;
    auto refuse = [&read](std::string message) {
        read.colors.clear();
        read.colorsInFile = 0;
        read.name.clear();
        read.note.clear();
        read.error = std::move(message);
        return read;
    };
    Reader file(bytes);
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t blocks = 0;
    if (bytes.substr(0, 4) != "ASEF" || !file.Skip(4) || !file.Read(2, &major) || !file.Read(2, &minor) ||
        !file.Read(4, &blocks))
        return refuse(Tr(QT_TRANSLATE_NOOP(
            "PaletteExchange", "not an Adobe Swatch Exchange file; expected it to start with \"ASEF\"")));
    if (major != 1) {
        return refuse(
            QCoreApplication::translate("PaletteExchange", "version %1.%2 of the swatch format; expected 1.0")
                .arg(major)
                .arg(minor)
                .toStdString());
    }
    bool cmyk = false;
    for (std::uint32_t n = 0; n < blocks; ++n) {
        const std::size_t start = file.offset();
        std::uint32_t type = 0;
        std::uint32_t length = 0;
        if (!file.Read(2, &type) || !file.Read(4, &length) || file.left() < length) {
            return refuse(
                At(start, QCoreApplication::translate("PaletteExchange",
                                                      "the file ends inside block %1 of %2; it is truncated")
                              .arg(n + 1)
                              .arg(blocks)
                              .toStdString()));
        }
        const std::size_t body = file.offset();
        Reader block(file.Take(length));
        if (type == kGroupEnd)
            continue;
        if (type != kGroupStart && type != kColorEntry) {
            return refuse(
                At(start, QCoreApplication::translate("PaletteExchange",
                                                      "unknown block type 0x%1; expected a colour or a group")
                              .arg(type, 4, 16, QLatin1Char('0'))
                              .toStdString()));
        }
        const std::optional<std::string> name = ReadName(block);
        if (!name)
            return refuse(At(
                body, Tr(QT_TRANSLATE_NOOP("PaletteExchange", "the name runs past the end of its block"))));
        if (type == kGroupStart) {
            if (read.name.empty())
                read.name = *name;
            continue;
        }
        const std::string_view model = block.Take(4);
        const std::size_t channels = model == "RGB " || model == "LAB " ? 3
                                     : model == "CMYK"                  ? 4
                                     : model == "Gray"                  ? 1
                                                                        : 0;
        if (channels == 0) {
            return refuse(
                At(body, Tr(QT_TRANSLATE_NOOP(
                             "PaletteExchange",
                             "unknown colour model; expected \"RGB \", \"CMYK\", \"LAB \" or \"Gray\""))));
        }
        double v[4] = {};
        for (std::size_t i = 0; i < channels; ++i) {
            std::uint32_t bits = 0;
            const std::size_t at = body + length - block.left();
            if (!block.Read(4, &bits))
                return refuse(
                    At(at, Tr(QT_TRANSLATE_NOOP("PaletteExchange",
                                                "the colour's values run past the end of its block"))));
            v[i] = std::bit_cast<float>(bits);
            if (!std::isfinite(v[i]))
                return refuse(At(
                    at, Tr(QT_TRANSLATE_NOOP("PaletteExchange", "a colour value is not a finite number"))));
        }
        Rgb rgb;
        if (model == "RGB ") {
            rgb = SrgbTo8Bit({v[0], v[1], v[2]});
        } else if (model == "Gray") {
            rgb = SrgbTo8Bit({v[0], v[0], v[0]});
        } else if (model == "LAB ") {
            rgb = ResolveCssColor(ColorSpace::Lab, {v[0] * 100.0, v[1], v[2]}).rgb;
        } else {
            cmyk = true;
            const double k = 1.0 - v[3];
            rgb = SrgbTo8Bit({(1.0 - v[0]) * k, (1.0 - v[1]) * k, (1.0 - v[2]) * k});
        }
        ++read.colorsInFile;
        if (read.colors.size() < static_cast<std::size_t>(PaletteCellCount))
            read.colors.push_back(rgb);
    }
    if (read.colorsInFile == 0)
        return refuse(Tr(QT_TRANSLATE_NOOP("PaletteExchange", "the file holds no colour")));
    if (cmyk) {
        read.note = Tr(QT_TRANSLATE_NOOP(
            "PaletteExchange",
            "CMYK colours were converted without a colour profile, by red = (1 - C)(1 - K) and "
            "so on; a printer's profile would give other colours."));
    }
    return read;
}

std::string FormatAsePalette(const CustomColorArray& colors)
{
    std::string out = "ASEF";
    Put16(out, 1);
    Put16(out, 0);
    Put32(out, static_cast<std::uint32_t>(PaletteCellCount));
    for (int cell = 1; cell <= PaletteCellCount; ++cell) {
        const Rgb c = Rgb::FromColorRef(colors[static_cast<std::size_t>(cell)]);
        static const char kHex[] = "0123456789ABCDEF";
        const std::uint32_t value = c.ToRrggbb();
        std::string name = "#";
        for (int shift = 20; shift >= 0; shift -= 4)
            name += kHex[value >> shift & 0xFu];
        std::string body;
        Put16(body, static_cast<std::uint32_t>(name.size() + 1));
        for (const char ch : name)
            Put16(body, static_cast<unsigned char>(ch));
        Put16(body, 0);
        body += "RGB ";
        for (const int channel : {c.red, c.green, c.blue})
            Put32(body, std::bit_cast<std::uint32_t>(static_cast<float>(channel / 255.0)));
        Put16(body, kNormalColor);
        Put16(out, kColorEntry);
        Put32(out, static_cast<std::uint32_t>(body.size()));
        out += body;
    }
    return out;
}

} // namespace tintora
