// SPDX-License-Identifier: MIT
#include "core/color_contrast.h"
#include "core/color_formats.h"
#include "core/color_lines.h"
#include "core/color_notation.h"
#include "core/color_outputs.h"
#include "core/css_color_names.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace tintora {
namespace {

TEST(ParseColorNotation, AcceptedTexts)
{
    const struct {
        std::string text;
        Rgb expected;
    } cases[] = {
        {"#FF0000", {255, 0, 0}},
        {"#f80", {255, 136, 0}},
        {"  #66ccff \r\n", {102, 204, 255}},
        {"66CCFF", {102, 204, 255}},
        {"80ff00", {128, 255, 0}},
        // All digits is a decimal value, even with six digits.
        {"123456", {64, 226, 1}},
        {"000255", {255, 0, 0}},
        {"65535", {255, 255, 0}},
        {"16777215", {255, 255, 255}},
        {"0", {0, 0, 0}},
        {"rgb(255, 0, 0)", {255, 0, 0}},
        {"RGB(255,255,0)", {255, 255, 0}},
        {"Rgb ( 1 ,2, 3 )", {1, 2, 3}},
        {"rgb( 50% , 0%, 100% )", {128, 0, 255}},
        {"rgb(0 128 255)", {0, 128, 255}},
        {"rgb(12.5, 0, 0)", {13, 0, 0}},
        {"hsl(0, 100%, 50%)", {255, 0, 0}},
        {"HSL(120deg, 100%, 25%)", {0, 128, 0}},
        {"hsl(-120, 100%, 50%)", {0, 0, 255}},
        {"hsl(480 100 50)", {0, 255, 0}},
        {"hsl(30, 50%, 40%)", {153, 102, 51}},
        {"&H0000FF&", {255, 0, 0}},
        {"&hff0000", {0, 0, 255}},
        {"&H00FFFF&", {255, 255, 0}},
        {"&HFF&", {255, 0, 0}},
        {"RebeccaPurple", {102, 51, 153}},
        {"GREY", {128, 128, 128}},
    };
    for (const auto& c : cases) {
        const NotationParse r = ParseColorNotation(c.text);
        ASSERT_TRUE(r.color.has_value()) << c.text << ": " << r.error;
        EXPECT_EQ(*r.color, c.expected) << c.text;
        EXPECT_TRUE(r.error.empty()) << c.text;
    }
}

TEST(ParseColorNotation, RejectedTextsSayWhatWasExpected)
{
    const struct {
        std::string text;
        std::string reason; // a part of the message
    } cases[] = {
        {"", "no text"},
        {" \t ", "no text"},
        {"#GGGGGG", "'G' is not a hexadecimal digit"},
        {"#FFFFF", "5 hexadecimal digits"},
        {"#FF00008080", "10 hexadecimal digits"},
        {"rgb(0, 0)", "three values"},
        {"rgb(0, , 0)", "three values"},
        {"rgb(0, 0 0)", "comma syntax"},
        {"rgb(50%, 0, 0)", "three numbers or three percentages"},
        {"rgb(none, 0, 0)", "three numbers or three percentages"},
        {"hsl(0, 50, 50)", "a hue and two percentages"},
        {"hwb(0, 0%, 0%)", "takes no commas"},
        {"rgb(1 2 3 /)", "no alpha after '/'"},
        {"rgb(1 2 3 4)", "after three values"},
        {"rgb(1 2)", "only 2 of three values"},
        {"rgb(1deg 2 3)", "not a valid value 1"},
        {"lab(1 2 3 / 1 2)", "after the alpha"},
        {"rgb(0, 0, 0) x", "expected"},
        {"rgb(1e999, 0, 0)", "beyond range"},
        {"hsl(NaN 50% 50%)", "not a valid value 1"},
        {"rgb(calc(1) 2 3)", "nested functions"},
        {"hsl (1 2 3)", "not a colour function"},
        {"rgb/**/(1 2 3)", "not a colour function"},
        {"color(foo 1 2 3)", "not a colour space"},
        {"color(--brand 1 2 3)", "needs the page's @color-profile"},
        {"currentColor", "needs a page"},
        {"ButtonText", "system colour"},
        {"Canvas", "system colour"},
        {"0xFFF", "3 hexadecimal digits after 0x"},
        {"$FF0000FF", "system or palette colour"},
        {"QColor(256, 0, 0)", "QColor(r, g, b)"},
        {"Color.FromArgb(1, 2)", "Color.FromArgb(r, g, b)"},
        {"16777216", "beyond 16777215"},
        {"99999999999999999999999999", "beyond 16777215"},
        {"-1", "negative"},
        {"&H8000000F&", "beyond 16777215"},
        {"&H", "no digits after &H"},
        {"&H1234567890&", "more than eight"},
        {"&HXYZ&", "'X' is not a hexadecimal digit"},
        {"notacolour", "'notacolour' is not a CSS colour name"},
        {std::string("red\x01", 4), "control character byte 0x01 at position 4"},
        {std::string("#FF\0"
                     "0000",
                     7),
         "control character"},
        {"#FF\n0000", "more than one line"},
        {std::string(1 << 20, 'a'), "too long"},
    };
    for (const auto& c : cases) {
        const NotationParse r = ParseColorNotation(c.text);
        const std::string shown = c.text.substr(0, 40);
        EXPECT_FALSE(r.color.has_value()) << shown;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << shown << " gave: " << r.error;
        EXPECT_NE(r.error.find("expected"), std::string::npos) << shown << " gave: " << r.error;
    }
}

// CSS Color 4 as browsers read it, with values a browser gives, and what
// each text gives up (alpha, gamut) as the window will say it.
TEST(ParseColorNotation, CssColor4AndWhatIsGivenUp)
{
    const struct {
        std::string text;
        Rgb expected;
        std::string note;
        NotationForm form = NotationForm::Css;
    } cases[] = {
        {"#f808", {255, 136, 0}, "Alpha 53 % not kept"},
        {"#FF000080", {255, 0, 0}, "Alpha 50 % not kept"},
        {"rgba(255, 0, 0, 1)", {255, 0, 0}, ""},
        {"rgb(255 0 0 / 50%)", {255, 0, 0}, "Alpha 50 % not kept"},
        {"rgb(300, -5, 0)", {255, 0, 0}, ""}, // clamped, not mapped
        // A chroma whose cubes overflow: mapped as a finite one, and said.
        {"oklab(.6 -5.1 1e300)", {161, 122, 0}, "Outside sRGB: mapped"},
        {"rgb(none 128 1e2)", {0, 128, 100}, ""},
        {"rgb(1 2 3 / none)", {1, 2, 3}, "Alpha 0 % not kept"},
        {"rgb(1 2 3 / 0.999)", {1, 2, 3}, "Alpha 99 % not kept"},
        {"rgb(1 2 3", {1, 2, 3}, ""}, // the end closes the function
        {"hsl(0.5turn 100% 50%)", {0, 255, 255}, ""},
        {"hsl(200grad, 100%, 50%)", {0, 255, 255}, ""},
        {"hsl(3.14159265rad 100% 50%)", {0, 255, 255}, ""},
        {"HSL(120DEG 100% 25%)", {0, 128, 0}, ""},
        {"hsl(0 -50% 50%)", {128, 128, 128}, ""},
        {"hwb(120 10% 20%)", {25, 204, 25}, ""},
        {"hwb(0 60% 60%)", {128, 128, 128}, ""},
        {"lab(50 20 30)", {161, 105, 69}, ""},
        {"lab(50% 50% 50%)", {219, 55, 2}, ""},
        {"lch(50% 30 40deg)", {162, 103, 87}, ""},
        {"oklab(0.5 0.1 -0.1)", {129, 69, 154}, ""},
        {"oklch(70% 0.15 250)", {75, 163, 247}, ""},
        {"oklch(70% 0.4 150)", {0, 194, 72}, "Outside sRGB: mapped"},
        {"color(display-p3 0 1 0)", {0, 251, 41}, "Outside sRGB: mapped"},
        {"color(display-p3 1 1 1)", {255, 255, 255}, ""},
        {"color(rec2020 1 0 0 / 0.5)", {255, 73, 79}, "Alpha 50 % not kept; Outside sRGB: mapped"},
        {"color(srgb-linear 0.5 0.5 0.5)", {188, 188, 188}, ""},
        {"color(a98-rgb 0.5 0.2 0.1)", {147, 48, 16}, ""},
        {"color(prophoto-rgb 0.5 0.5 0.5)", {146, 146, 146}, ""},
        {"color(xyz 0.2 0.3 0.4)", {0, 167, 164}, "Outside sRGB: mapped"},
        {"color(xyz-d50 0.3 0.3 0.3)", {151, 147, 165}, ""},
        {"lab(150 0 0)", {255, 255, 255}, ""},
        {"transparent", {0, 0, 0}, "Alpha 0 % not kept"},
        {" /* brand */ RebeccaPurple /* end */ ", {102, 51, 153}, ""},
        {"rgb(1/**/2/**/3)", {1, 2, 3}, ""},
        {"rgb(1-2 3)", {1, 0, 3}, ""}, // two numbers to a CSS tokenizer
        // Programmers' notations.
        {"0x336699", {0x33, 0x66, 0x99}, "", NotationForm::Code},
        {"0x80336699", {0x33, 0x66, 0x99}, "Alpha 50 % not kept", NotationForm::Code},
        {"Color(0xFF336699)", {0x33, 0x66, 0x99}, "", NotationForm::Code},
        {"QColor(1, 2, 3)", {1, 2, 3}, "", NotationForm::Code},
        {"QColor(\"#336699\")", {0x33, 0x66, 0x99}, "", NotationForm::Code},
        {"QColor(\"red\")", {255, 0, 0}, "", NotationForm::Code},
        {"Color.FromArgb(1, 2, 3)", {1, 2, 3}, "", NotationForm::Code},
        {"Color.FromArgb(128, 1, 2, 3)", {1, 2, 3}, "Alpha 50 % not kept", NotationForm::Code},
        {"$00996633", {0x33, 0x66, 0x99}, "", NotationForm::Code},
        {"\"#336699\"", {0x33, 0x66, 0x99}, "", NotationForm::Code},
        // Pasted source lines.
        {"color: oklch(70% 0.15 250);", {75, 163, 247}, "", NotationForm::SourceLine},
        {"  --brand: #336699;", {0x33, 0x66, 0x99}, "", NotationForm::SourceLine},
        {"$accent: #f80 !important;", {255, 136, 0}, "", NotationForm::SourceLine},
        {"int c = 0xFF336699;", {0x33, 0x66, 0x99}, "", NotationForm::SourceLine},
        {"#336699;", {0x33, 0x66, 0x99}, "", NotationForm::SourceLine},
    };
    for (const auto& c : cases) {
        const NotationParse r = ParseColorNotation(c.text);
        ASSERT_TRUE(r.color.has_value()) << c.text << ": " << r.error;
        EXPECT_EQ(*r.color, c.expected) << c.text;
        EXPECT_EQ(NotationNote(r), c.note) << c.text;
        EXPECT_EQ(r.form, c.form) << c.text;
    }
}

TEST(ColorFormats, EveryFormatOfSampleColours)
{
    const std::vector<std::string> ids = {
        "html",   "hex-lower", "hex3",   "rgb",   "css-rgb", "css-hsl",     "rgb-modern", "hsl-modern",
        "hwb",    "lab",       "lch",    "oklab", "oklch",   "display-p3",  "hex-alpha",  "hsb",
        "qcolor", "dotnet",    "delphi", "vbhex", "decimal", "decimal-rgb", "argb"};
    const struct {
        Rgb color;
        std::vector<std::string> expected; // in the order of ids; "" = no text
    } cases[] = {
        // The CSS Color 4 texts of yellow read back as yellow in colorjs.io too.
        {{255, 255, 0},
         {"#FFFF00",
          "#ffff00",
          "#ff0",
          "RGB(255, 255, 0)",
          "rgb(255, 255, 0)",
          "hsl(60, 100%, 50%)",
          "rgb(255 255 0)",
          "hsl(60 100% 50%)",
          "hwb(60 0% 0%)",
          "lab(97.6 -16 93.4)",
          "lch(97.6 94.7 99.6)",
          "oklab(96.8% -0.071 0.1986)",
          "oklch(96.8% 0.211 109.77)",
          "color(display-p3 1 1 0.331)",
          "#ffff00ff",
          "60, 100, 100",
          "QColor(255, 255, 0)",
          "Color.FromArgb(255, 255, 0)",
          "$0000FFFF",
          "&H00FFFF&",
          "65535",
          "16776960",
          "0xFFFFFF00"}},
        {{153, 102, 51},
         {"#996633",
          "#996633",
          "#963",
          "RGB(153, 102, 51)",
          "rgb(153, 102, 51)",
          "hsl(30, 50%, 40%)",
          "rgb(153 102 51)",
          "hsl(30 50% 40%)",
          "hwb(30 20% 40%)",
          "",
          "",
          "",
          "",
          "",
          "#996633ff",
          "30, 67, 60",
          "QColor(153, 102, 51)",
          "Color.FromArgb(153, 102, 51)",
          "$00336699",
          "&H336699&",
          "3368601",
          "10053171",
          "0xFF996633"}},
    };
    ASSERT_EQ(ColorFormats().size(), ids.size());
    for (const auto& c : cases) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            EXPECT_EQ(ColorFormats()[i].id, ids[i]);
            if (c.expected[i].empty())
                continue; // covered by the round trip
            const std::optional<std::string> text = FormatColor(c.color, ids[i]);
            EXPECT_EQ(text.value_or(""), c.expected[i]) << ids[i];
        }
    }
    EXPECT_FALSE(FormatColor({0, 0, 0}, "no-such-format").has_value());
}

// Every notation that the paste parser knows reads back as the colour it was
// made from, and the four designed codes read back too, so a code copied
// from the window and pasted again gives the same colour.
TEST(ColorFormats, RoundTripThroughTheParser)
{
    std::vector<int> levels;
    for (int v = 0; v <= 255; v += 15)
        levels.push_back(v);
    levels.insert(levels.end(), {1, 2, 127, 128, 254});
    const SystemColorTable noMatch = [] {
        SystemColorTable t{};
        t.fill(-2);
        return t;
    }();
    int failures = 0;
    for (const int r : levels) {
        for (const int g : levels) {
            for (const int b : levels) {
                const Rgb c{r, g, b};
                for (const ColorFormat& f : ColorFormats()) {
                    const std::optional<std::string> text = FormatColor(c, f.id);
                    if (!f.parsesBack || !text)
                        continue;
                    const NotationParse back = ParseColorNotation(*text);
                    if (!back.color || !(*back.color == c)) {
                        if (++failures < 10)
                            ADD_FAILURE() << f.id << " " << *text << " " << back.error;
                    }
                }
                const ColorOutputs designed = UpdateColorOutputs(MakeColorRef(r, g, b), noMatch);
                for (int field = 2; field <= 5; ++field) {
                    const NotationParse back =
                        ParseColorNotation(designed.text[static_cast<std::size_t>(field)]);
                    if (!back.color || !(*back.color == c)) {
                        if (++failures < 10) {
                            ADD_FAILURE() << "designed field " << field << " "
                                          << designed.text[static_cast<std::size_t>(field)];
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(ColorTemplates, ExpandAndRefuse)
{
    const Rgb c{153, 102, 51};
    const struct {
        std::string templ;
        std::string expected; // "" for a refused template
        std::string reason;
    } cases[] = {
        {"{r}, {g}, {b}", "153, 102, 51", ""},
        {"0x{HEX}", "0x996633", ""},
        {"{{{hex}}}", "{996633}", ""},
        {"&H{BGR}&", "&H336699&", ""},
        {"{RX}{gx}{BX}", "996633", ""},
        {"{rf} {gf} {bf}", "0.6 0.4 0.2", ""},
        {"{dec}/{decrgb}", "3368601/10053171", ""},
        {"{h} {s} {v}", "30 67 60", ""},
        {"{x}", "", "unknown placeholder {x}"},
        {"{R}", "", "unknown placeholder {R}"},
        {"{r", "", "unclosed '{'"},
        {"r}", "", "unpaired '}'"},
        {"plain", "", "no placeholder"},
        {"a\tb{r}", "", "control character"},
        {std::string(300, 'x') + "{r}", "", "too long"},
    };
    for (const auto& t : cases) {
        const FormattedColor out = ExpandColorTemplate(t.templ, c);
        EXPECT_EQ(out.text.value_or(""), t.expected) << t.templ;
        EXPECT_EQ(ValidateColorTemplate(t.templ).empty(), t.reason.empty()) << t.templ;
        if (!t.reason.empty())
            EXPECT_NE(out.error.find(t.reason), std::string::npos) << t.templ << " gave: " << out.error;
    }
}

TEST(ColorTemplates, FormatSpecIsANameOrATemplate)
{
    EXPECT_EQ(FormatColorBySpec({255, 0, 0}, "css-rgb").text.value_or(""), "rgb(255, 0, 0)");
    EXPECT_EQ(FormatColorBySpec({255, 0, 0}, "{r}-{g}").text.value_or(""), "255-0");
    const FormattedColor unknown = FormatColorBySpec({255, 0, 0}, "nope");
    EXPECT_FALSE(unknown.text);
    EXPECT_NE(unknown.error.find("unknown format 'nope'; expected one of html"), std::string::npos);
    EXPECT_NE(FormatColorBySpec({1, 2, 3}, "hex3").error.find("no exact #rgb form"), std::string::npos);
    EXPECT_TRUE(ValidateFormatSpec("hex3").empty());
    EXPECT_FALSE(ValidateFormatSpec("{q}").empty());
}

// Output line n is always the result of input line n, however the input is
// cut into chunks, and a bad line is named by its number.
TEST(ColorLineConverter, OneResultALineWhateverTheChunks)
{
    const std::string input = "#f80\r\nnope\n\n" + std::string(100000, 'x') + "\n#010203\nred";
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, input.size()}) {
        ColorLineConverter converter("hex3", "t: ");
        std::string out;
        std::string errors;
        for (std::size_t i = 0; i < input.size(); i += chunk)
            converter.Feed(std::string_view(input).substr(i, chunk), out, errors);
        converter.Finish(out, errors);
        EXPECT_EQ(out, "#f80\n\n\n\n\n#f00\n") << chunk;
        EXPECT_NE(errors.find("t: line 2: 'nope' is not a CSS colour name"), std::string::npos) << errors;
        EXPECT_NE(errors.find("t: line 3: no text"), std::string::npos) << errors;
        EXPECT_NE(errors.find("t: line 4: a line of 100000 characters is too long"), std::string::npos)
            << errors;
        EXPECT_NE(errors.find("t: line 5: #010203 has no exact #rgb form"), std::string::npos) << errors;
        EXPECT_EQ(converter.LineCount(), 6u);
        EXPECT_EQ(converter.ExitStatus(), 2);
    }
    ColorLineConverter formatOnly("hex3", "");
    std::string out;
    std::string errors;
    formatOnly.Feed("#010203\n#fff\n", out, errors);
    EXPECT_EQ(formatOnly.ExitStatus(), 1); // every line a colour, one without a #rgb form
}

TEST(Contrast, PublishedExamples)
{
    const struct {
        Rgb a, b;
        double shown;
        bool aaNormal, aaLarge, aaaNormal, aaaLarge;
    } cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0, true, true, true, true},
        {{255, 255, 255}, {0, 0, 0}, 21.0, true, true, true, true},
        {{0x76, 0x76, 0x76}, {255, 255, 255}, 4.54, true, true, false, true},
        {{0x77, 0x77, 0x77}, {255, 255, 255}, 4.47, false, true, false, false},
        {{255, 0, 0}, {255, 255, 255}, 3.99, false, true, false, false},
        {{0, 0, 255}, {255, 255, 255}, 8.59, true, true, true, true},
        {{0x59, 0x59, 0x59}, {255, 255, 255}, 7.0, true, true, true, true},
        {{0x33, 0x66, 0x99}, {0x33, 0x66, 0x99}, 1.0, false, false, false, false},
    };
    for (const auto& c : cases) {
        const ContrastVerdict v = ContrastOf(c.a, c.b);
        EXPECT_DOUBLE_EQ(ContrastRatioForDisplay(v.ratio), c.shown) << v.ratio;
        EXPECT_EQ(v.aaNormal, c.aaNormal) << v.ratio;
        EXPECT_EQ(v.aaLarge, c.aaLarge) << v.ratio;
        EXPECT_EQ(v.aaaNormal, c.aaaNormal) << v.ratio;
        EXPECT_EQ(v.aaaLarge, c.aaaLarge) << v.ratio;
    }
    // A ratio just short of a threshold never shows as the threshold.
    EXPECT_DOUBLE_EQ(ContrastRatioForDisplay(4.4999), 4.49);
}

TEST(CssNames, TableAgreesWithQtsSvgColours)
{
    ASSERT_EQ(CssColorNames().size(), 148u);
    for (const CssColorName& entry : CssColorNames()) {
        const QColor qt(QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
        if (entry.name == "rebeccapurple" && !qt.isValid()) {
            EXPECT_EQ(entry.rgb, (Rgb{0x66, 0x33, 0x99}));
            continue;
        }
        ASSERT_TRUE(qt.isValid()) << entry.name;
        EXPECT_EQ(entry.rgb, (Rgb{qt.red(), qt.green(), qt.blue()})) << entry.name;
    }
}

TEST(CssNames, Nearest)
{
    const struct {
        Rgb color;
        std::string name;
        bool exact;
    } cases[] = {
        {{255, 0, 0}, "red", true},      {{0, 255, 255}, "aqua", true},
        {{128, 128, 128}, "gray", true}, {{102, 51, 153}, "rebeccapurple", true},
        {{254, 0, 0}, "red", false},     {{1, 1, 1}, "black", false},
        {{0, 0, 120}, "navy", false},
    };
    for (const auto& c : cases) {
        const NearestCssName n = NearestCssColorName(c.color);
        EXPECT_EQ(n.name, c.name);
        EXPECT_EQ(n.exact, c.exact) << c.name;
        EXPECT_EQ(n.exact, n.deltaE == 0.0) << c.name;
    }
}

} // namespace
} // namespace tintora
