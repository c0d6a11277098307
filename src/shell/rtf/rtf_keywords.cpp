// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_keywords.h"

#include <algorithm>
#include <string_view>

namespace tintora {

namespace {

struct Entry {
    std::string_view name;
    RtfKeyword keyword;
};

using K = RtfKeyword;

// Sorted by name for binary search; the static_assert below keeps it so.
constexpr Entry Keywords[] = {
    {"aftncn", K::SkippedDestination},
    {"aftnsep", K::SkippedDestination},
    {"aftnsepc", K::SkippedDestination},
    {"annotation", K::SkippedDestination},
    {"ansi", K::Ansi},
    {"ansicpg", K::AnsiCodePage},
    {"atnauthor", K::SkippedDestination},
    {"atnid", K::SkippedDestination},
    {"b", K::Bold},
    {"blue", K::Blue},
    {"box", K::ParagraphBorder},
    {"brdrb", K::ParagraphBorder},
    {"brdrbar", K::ParagraphBorder},
    {"brdrbtw", K::ParagraphBorder},
    {"brdrcf", K::BorderColor},
    {"brdrdash", K::BorderStyle},
    {"brdrdashd", K::BorderStyle},
    {"brdrdashdd", K::BorderStyle},
    {"brdrdashsm", K::BorderStyle},
    {"brdrdb", K::BorderStyle},
    {"brdrdot", K::BorderStyle},
    {"brdremboss", K::BorderStyle},
    {"brdrengrave", K::BorderStyle},
    {"brdrframe", K::BorderStyle},
    {"brdrhair", K::BorderStyle},
    {"brdrinset", K::BorderStyle},
    {"brdrl", K::ParagraphBorder},
    {"brdrnil", K::BorderNone},
    {"brdrnone", K::BorderNone},
    {"brdroutset", K::BorderStyle},
    {"brdrr", K::ParagraphBorder},
    {"brdrs", K::BorderStyle},
    {"brdrsh", K::BorderStyle},
    {"brdrt", K::ParagraphBorder},
    {"brdrth", K::BorderStyle},
    {"brdrtriple", K::BorderStyle},
    {"brdrw", K::BorderWidth},
    {"brdrwavy", K::BorderStyle},
    {"bullet", K::Bullet},
    {"caps", K::Caps},
    {"cb", K::Background},
    {"cbpat", K::ParagraphBackground},
    {"cell", K::Cell},
    {"cellx", K::CellEdge},
    {"cf", K::Foreground},
    {"chcbpat", K::Background},
    {"chftn", K::FootnoteMark},
    {"clbrdrb", K::CellBorderBottom},
    {"clbrdrl", K::CellBorderLeft},
    {"clbrdrr", K::CellBorderRight},
    {"clbrdrt", K::CellBorderTop},
    {"clcbpat", K::CellBackground},
    {"clmgf", K::CellMergeFirst},
    {"clmrg", K::CellMergeLeft},
    {"clvmgf", K::CellMergeStart},
    {"clvmrg", K::CellMergeUp},
    {"colortbl", K::ColorTable},
    {"column", K::Par},
    {"cpg", K::FontCodePage},
    {"datastore", K::SkippedDestination},
    {"deff", K::DefaultFont},
    {"dn", K::Down},
    {"docvar", K::SkippedDestination},
    {"emdash", K::EmDash},
    {"emspace", K::EmSpace},
    {"endash", K::EnDash},
    {"enspace", K::EnSpace},
    {"f", K::Font},
    {"falt", K::SkippedDestination},
    {"fcharset", K::FontCharset},
    {"fi", K::FirstIndent},
    {"field", K::Field},
    {"fldinst", K::FieldInstruction},
    {"fldrslt", K::FieldResult},
    {"fmodern", K::FontFamilyModern},
    {"fonttbl", K::FontTable},
    {"footer", K::SkippedDestination},
    {"footerf", K::SkippedDestination},
    {"footerl", K::SkippedDestination},
    {"footerr", K::SkippedDestination},
    {"footnote", K::Footnote},
    {"fs", K::FontSize},
    {"ftncn", K::SkippedDestination},
    {"ftnsep", K::SkippedDestination},
    {"ftnsepc", K::SkippedDestination},
    {"green", K::Green},
    {"header", K::SkippedDestination},
    {"headerf", K::SkippedDestination},
    {"headerl", K::SkippedDestination},
    {"headerr", K::SkippedDestination},
    {"highlight", K::Background},
    {"i", K::Italic},
    {"ilvl", K::ListLevel},
    {"info", K::SkippedDestination},
    {"intbl", K::InTable},
    {"jpegblip", K::JpegBlip},
    {"ldblquote", K::LeftDoubleQuote},
    {"levelnfc", K::LevelFormat},
    {"levelnfcn", K::LevelFormat},
    {"levelnumbers", K::SkippedDestination},
    {"levelstartat", K::LevelStart},
    {"leveltext", K::LevelText},
    {"li", K::LeftIndent},
    {"lin", K::LeftIndent},
    {"line", K::Line},
    {"list", K::ListEntry},
    {"listid", K::ListId},
    {"listlevel", K::ListLevelEntry},
    {"listname", K::SkippedDestination},
    {"listoverridetable", K::ListTable},
    {"listtable", K::ListTable},
    {"listtext", K::ListText},
    {"lquote", K::LeftQuote},
    {"ls", K::ListOverride},
    {"ltrmark", K::LtrMark},
    {"mac", K::Mac},
    {"nestcell", K::NestedCell},
    {"nestrow", K::NestedRow},
    {"nonesttables", K::SkippedDestination},
    {"nonshppict", K::SkippedDestination},
    {"nosupersub", K::NoSuperSub},
    {"objdata", K::SkippedDestination},
    {"page", K::Par},
    {"par", K::Par},
    {"pard", K::Pard},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"pichgoal", K::PictureHeightGoal},
    {"picprop", K::SkippedDestination},
    {"picscalex", K::PictureScaleX},
    {"picscaley", K::PictureScaleY},
    {"pict", K::Picture},
    {"picwgoal", K::PictureWidthGoal},
    {"plain", K::Plain},
    {"pn", K::ListDefinition},
    {"pndec", K::ListDecimal},
    {"pngblip", K::PngBlip},
    {"pnlcltr", K::ListLowerLetter},
    {"pnlcrm", K::ListLowerRoman},
    {"pnlvlblt", K::ListBullet},
    {"pnstart", K::ListStart},
    {"pntext", K::PnText},
    {"pntxta", K::ListTextAfter},
    {"pntxtb", K::ListTextBefore},
    {"pnucltr", K::ListUpperLetter},
    {"pnucrm", K::ListUpperRoman},
    {"qc", K::AlignCenter},
    {"qj", K::AlignJustify},
    {"ql", K::AlignLeft},
    {"qmspace", K::QuarterEmSpace},
    {"qr", K::AlignRight},
    {"rdblquote", K::RightDoubleQuote},
    {"red", K::Red},
    {"revtbl", K::SkippedDestination},
    {"ri", K::RightIndent},
    {"rin", K::RightIndent},
    {"row", K::Row},
    {"rquote", K::RightQuote},
    {"rsidtbl", K::SkippedDestination},
    {"rtf", K::Rtf},
    {"rtlmark", K::RtlMark},
    {"sa", K::SpaceAfter},
    {"sb", K::SpaceBefore},
    {"scaps", K::SmallCaps},
    {"sect", K::Par},
    {"shppict", K::ShapePicture},
    {"strike", K::Strike},
    {"striked", K::Strike},
    {"stylesheet", K::SkippedDestination},
    {"sub", K::Sub},
    {"super", K::Super},
    {"tab", K::Tab},
    {"tc", K::SkippedDestination},
    {"template", K::SkippedDestination},
    {"tqc", K::TabCenter},
    {"tqdec", K::TabDecimal},
    {"tqr", K::TabRight},
    {"trbrdrb", K::RowBorderBottom},
    {"trbrdrh", K::ParagraphBorder},
    {"trbrdrl", K::RowBorderLeft},
    {"trbrdrr", K::RowBorderRight},
    {"trbrdrt", K::RowBorderTop},
    {"trbrdrv", K::ParagraphBorder},
    {"trowd", K::RowDefaults},
    {"tx", K::TabStop},
    {"u", K::Unicode},
    {"uc", K::UnicodeSkip},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldash", K::Underline},
    {"uldashd", K::Underline},
    {"uldashdd", K::Underline},
    {"uldb", K::UnderlineDouble},
    {"ulhwave", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline},
    {"ululdbwave", K::UnderlineDouble},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
    {"up", K::Up},
    {"userprops", K::SkippedDestination},
    {"v", K::Hidden},
    {"xe", K::SkippedDestination},
    {"xmlnstbl", K::SkippedDestination},
    {"zwj", K::ZeroWidthJoiner},
    {"zwnj", K::ZeroWidthNonJoiner},
};

static_assert(std::is_sorted(std::begin(Keywords), std::end(Keywords),
                             [](const Entry& a, const Entry& b) { return a.name < b.name; }),
              "keyword table must stay sorted");

} // namespace

RtfKeyword LookupKeyword(QByteArrayView name)
{
    const std::string_view key(name.data(), static_cast<std::size_t>(name.size()));
    const auto* it = std::lower_bound(std::begin(Keywords), std::end(Keywords), key,
                                      [](const Entry& e, std::string_view k) { return e.name < k; });
    if (it != std::end(Keywords) && it->name == key)
        return it->keyword;
    return RtfKeyword::Unknown;
}

bool IsDestination(RtfKeyword keyword)
{
    switch (keyword) {
    case K::Rtf:
    case K::FontTable:
    case K::ColorTable:
    case K::Field:
    case K::FieldInstruction:
    case K::FieldResult:
    case K::ListText:
    case K::PnText:
    case K::Picture:
    case K::ShapePicture:
    case K::Footnote:
    case K::ListDefinition:
    case K::ListTextBefore:
    case K::ListTextAfter:
    case K::ListTable:
    case K::LevelText:
    case K::SkippedDestination:
        return true;
    default:
        return false;
    }
}

char16_t KeywordCharacter(RtfKeyword keyword)
{
    switch (keyword) {
    case K::Tab:
    case K::NestedCell:
        return u'\t';
    case K::Line:
    case K::NestedRow:
        return 0x2028;
    case K::EmDash:
        return 0x2014;
    case K::EnDash:
        return 0x2013;
    case K::Bullet:
        return 0x2022;
    case K::LeftQuote:
        return 0x2018;
    case K::RightQuote:
        return 0x2019;
    case K::LeftDoubleQuote:
        return 0x201C;
    case K::RightDoubleQuote:
        return 0x201D;
    case K::EmSpace:
        return 0x2003;
    case K::EnSpace:
        return 0x2002;
    case K::QuarterEmSpace:
        return 0x2005;
    case K::ZeroWidthJoiner:
        return 0x200D;
    case K::ZeroWidthNonJoiner:
        return 0x200C;
    case K::LtrMark:
        return 0x200E;
    case K::RtlMark:
        return 0x200F;
    default:
        return 0;
    }
}

} // namespace tintora
