#include "CssStyle.h"

#include <cstdio>

namespace icfdump::preview {

namespace {

constexpr long kTwipsPerPoint = 20;
constexpr long kTwipsPerLine = 240;
constexpr long kPercent = 100;

// How a line code is drawn. 1 is a thin line, 2 a thick one, 3 a double
// one; the higher codes are dotted, dashed and heavier lines.
std::string borderLine(unsigned code, const Rgb& colour)
{
    static const char* const kLines[] = {"none",       "1px solid", "2px solid",  "3px double", "1px dotted",
                                         "1px dashed", "3px solid", "2px dotted", "2px dashed"};
    const char* line = code < std::size(kLines) ? kLines[code] : kLines[1];
    return std::string(line) + " " + cssColour(colour);
}

void appendDecorations(CssStyle& style, const CharacterFormat& format)
{
    std::string lines;
    if (format.underline || format.revisionAdded)
        lines += " underline";
    if (format.strikeOut || format.deleted)
        lines += " line-through";
    if (!lines.empty())
        style.add("text-decoration", lines.substr(1));
    constexpr unsigned kDoubleLine = 3;
    if (format.underline == kDoubleLine)
        style.add("text-decoration-style", "double");
}

} // namespace

std::string cssPoints(long twips)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%gpt", static_cast<double>(twips) / kTwipsPerPoint);
    return buffer;
}

std::string cssColour(const Rgb& rgb)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", rgb.red & 0xFF, rgb.green & 0xFF, rgb.blue & 0xFF);
    return buffer;
}

std::string cssString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || byte >= 0x80;
        if (plain) {
            quoted += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%x ", byte);
            quoted += escape;
        }
    }
    return quoted + "\"";
}

Rgb shadingColour(const Shading& shading)
{
    auto mix = [&](unsigned front, unsigned back) {
        return static_cast<unsigned>((front * shading.intensity + back * (kPercent - shading.intensity)) / kPercent);
    };
    return Rgb{mix(shading.foreground.red, shading.background.red),
               mix(shading.foreground.green, shading.background.green),
               mix(shading.foreground.blue, shading.background.blue)};
}

CssStyle& CssStyle::add(const char* property, const std::string& value)
{
    text_ += std::string(property) + ":" + value + ";";
    return *this;
}

CssStyle& CssStyle::length(const char* property, long twips)
{
    return add(property, cssPoints(twips));
}

CssStyle& CssStyle::colour(const char* property, const Rgb& rgb)
{
    return add(property, cssColour(rgb));
}

CssStyle& CssStyle::borders(const Borders& borders)
{
    if (!borders.any())
        return *this;
    add("border-top", borderLine(borders.top, borders.topColor));
    add("border-left", borderLine(borders.left, borders.leftColor));
    add("border-bottom", borderLine(borders.bottom, borders.bottomColor));
    return add("border-right", borderLine(borders.right, borders.rightColor));
}

CssStyle& CssStyle::shading(const std::optional<Shading>& shading)
{
    return shading ? colour("background-color", shadingColour(*shading)) : *this;
}

std::string characterStyle(const CharacterFormat& format)
{
    CssStyle style;
    if (!format.font.empty())
        style.add("font-family", cssString(format.font));
    if (format.halfPoints)
        style.length("font-size", static_cast<long>(format.halfPoints) * kTwipsPerPoint / 2);
    if (format.bold)
        style.add("font-weight", "bold");
    if (format.italic)
        style.add("font-style", "italic");
    appendDecorations(style, format);
    if (format.script != Script::Normal)
        style.add("vertical-align", format.script == Script::Superscript ? "super" : "sub").add("font-size", "smaller");
    if (format.caseModifier == CaseModifier::SmallCapitals)
        style.add("font-variant", "small-caps");
    if (format.caseModifier == CaseModifier::Capitals)
        style.add("text-transform", "uppercase");
    if (format.color)
        style.colour("color", *format.color);
    if (format.shadow)
        style.add("text-shadow", "1px 1px 1px #888");
    if (format.outline)
        style.add("-webkit-text-stroke", "0.5px").add("color", "#fff");
    return style.shading(format.shading).borders(format.borders).text();
}

std::string paragraphStyle(const ParagraphFormat& format)
{
    static const char* const kAlignments[] = {"left", "center", "right", "justify"};
    CssStyle style;
    style.add("text-align", kAlignments[static_cast<size_t>(format.alignment)]);
    style.length("margin-left", format.leftIndent)
        .length("text-indent", format.firstLineIndent - format.leftIndent)
        .length("margin-right", format.rightIndent)
        .length("margin-top", format.spaceBefore)
        .length("margin-bottom", format.spaceAfter);
    if (format.lineHeight > 0 && format.lineHeightExact)
        style.length("line-height", format.lineHeight);
    else if (format.lineHeight > 0)
        style.add("line-height", std::to_string(format.lineHeight * kPercent / kTwipsPerLine) + "%");
    if (format.keepTogether)
        style.add("break-inside", "avoid");
    if (format.keepWithNext)
        style.add("break-after", "avoid");
    return style.shading(format.shading).borders(format.borders).text();
}

} // namespace icfdump::preview
