#include "FormatCommands.h"

#include <map>

namespace icfdump::preview {

namespace {

// A property switched on by one command and off by another, with no parameters.
struct Toggle {
    const char* on;
    const char* off;
    bool CharacterFormat::*property;
};

const Toggle kToggles[] = {
    {"BBT", "EBT", &CharacterFormat::bold},      {"ITO", "ITF", &CharacterFormat::italic},
    {"BSO", "ESO", &CharacterFormat::strikeOut}, {"BFL", "EFL", &CharacterFormat::flashing},
    {"BHT", "EHT", &CharacterFormat::hidden},    {"BOL", "EOL", &CharacterFormat::outline},
    {"BRV", "ERV", &CharacterFormat::reverse},   {"BRL", "ERL", &CharacterFormat::revisionAdded},
    {"BSP", "ESP", &CharacterFormat::shadow},
};

bool applyToggle(const std::string& name, CharacterFormat& format)
{
    for (const Toggle& toggle : kToggles) {
        if (name == toggle.on || name == toggle.off) {
            format.*toggle.property = name == toggle.on;
            return true;
        }
    }
    return false;
}

// A colour channel of the stream's colour codes: bright or dim.
constexpr unsigned kBrightChannel = 255;
constexpr unsigned kDimChannel = 128;

// Line codes of a border word: top, left, bottom, right from the high nibble down.
constexpr unsigned kNibbleBits = 4;
constexpr unsigned long kNibble = 0xF;

// "SHD" parameters: client, intensity, foreground red, green, blue, 0,
// background red, green, blue, ...
constexpr size_t kShadingForeground = 2;
constexpr size_t kShadingBackground = 6;

std::optional<Rgb> readRgb(const CommandView& command, size_t first)
{
    const auto red = command.hexadecimal(first);
    const auto green = command.hexadecimal(first + 1);
    const auto blue = command.hexadecimal(first + 2);
    if (!red || !green || !blue)
        return std::nullopt;
    return Rgb{static_cast<unsigned>(*red & 0xFF), static_cast<unsigned>(*green & 0xFF),
               static_cast<unsigned>(*blue & 0xFF)};
}

Outcome applyFont(const CommandView& command, CharacterFormat& format)
{
    // "SPF" 10, id, 10, id, size, name.
    constexpr size_t kSize = 4;
    constexpr size_t kName = 5;
    const auto size = command.decimal(kSize);
    if (!size || *size < 0 || command.parameterCount() <= kName)
        return Outcome::Malformed;
    format.halfPoints = static_cast<unsigned>(*size);
    format.font = command.text(kName);
    return Outcome::Applied;
}

Outcome applyColour(const CommandView& command, CharacterFormat& format)
{
    // "BCL" composite code, red, green, blue; composite 0 is no colour.
    const auto composite = command.decimal(0);
    const auto red = command.decimal(1);
    const auto green = command.decimal(2);
    const auto blue = command.decimal(3);
    if (!composite || !red || !green || !blue)
        return Outcome::Malformed;
    if (*composite == 0)
        format.color.reset();
    else
        format.color = Rgb{static_cast<unsigned>(*red & 0xFF), static_cast<unsigned>(*green & 0xFF),
                           static_cast<unsigned>(*blue & 0xFF)};
    return Outcome::Applied;
}

Outcome applyUnderline(const CommandView& command, CharacterFormat& format)
{
    if (command.name() == "EUL") {
        format.underline = 0;
        return Outcome::Applied;
    }
    // "BUL" words-only mode, line code.
    const auto code = command.decimal(1);
    if (!code || *code < 0)
        return Outcome::Malformed;
    format.underline = *code == 0 ? 1 : static_cast<unsigned>(*code);
    return Outcome::Applied;
}

Outcome applyScriptOrCase(const std::string& name, CharacterFormat& format)
{
    static const std::map<std::string, Script> kScripts = {
        {"SPS", Script::Superscript}, {"SBS", Script::Subscript}, {"EPS", Script::Normal}, {"EBS", Script::Normal}};
    static const std::map<std::string, CaseModifier> kCases = {{"BCS", CaseModifier::SmallCapitals},
                                                               {"BCU", CaseModifier::Capitals},
                                                               {"ECS", CaseModifier::None},
                                                               {"ECU", CaseModifier::None}};
    if (const auto script = kScripts.find(name); script != kScripts.end()) {
        format.script = script->second;
        return Outcome::Applied;
    }
    if (const auto modifier = kCases.find(name); modifier != kCases.end()) {
        format.caseModifier = modifier->second;
        return Outcome::Applied;
    }
    return Outcome::NotMine;
}

// The shading and borders a command gives its client, a strand or a
// paragraph, when it is aimed at that client.
template <typename Format>
Outcome applyBox(const CommandView& command, Format& format, long shadingClient, long bordersClient)
{
    const std::optional<long> client = boxClient(command);
    if (command.name() == "SHD" && client == shadingClient) {
        format.shading = readShading(command);
        return command.parameterCount() >= 2 ? Outcome::Applied : Outcome::Malformed;
    }
    if (command.name() == "PBC" && client == bordersClient) {
        const std::optional<Borders> borders = readBorders(command);
        if (!borders)
            return Outcome::Malformed;
        format.borders = *borders;
        return Outcome::Applied;
    }
    return Outcome::NotMine;
}

Outcome applyAlignment(const std::string& name, ParagraphFormat& format)
{
    static const std::map<std::string, Alignment> kAlignments = {
        {"BCA", Alignment::Centre}, {"BRA", Alignment::Right}, {"BRJ", Alignment::Justified}, {"ERJ", Alignment::Left}};
    const auto alignment = kAlignments.find(name);
    if (alignment == kAlignments.end())
        return Outcome::NotMine;
    format.alignment = alignment->second;
    return Outcome::Applied;
}

// A command whose first parameter is a length in twips.
Outcome applyLength(const CommandView& command, long& length)
{
    const auto value = command.decimal(0);
    if (!value)
        return Outcome::Malformed;
    length = *value;
    return Outcome::Applied;
}

// "KEP" and "KWN" with one parameter: 0 on, 1 off. "KEP" with seven is a drop capital.
Outcome applyKeep(const CommandView& command, bool& keep)
{
    const auto value = command.decimal(0);
    if (command.parameterCount() != 1 || !value)
        return command.parameterCount() == 1 ? Outcome::Malformed : Outcome::NotMine;
    keep = *value == 0;
    return Outcome::Applied;
}

Outcome applyIndents(const CommandView& command, ParagraphFormat& format)
{
    // "IPS" in columns and twips; the last three are the left, first-line and
    // right indents from the margins.
    constexpr size_t kLeft = 5;
    constexpr size_t kFirst = 6;
    constexpr size_t kRight = 7;
    const auto left = command.decimal(kLeft);
    const auto first = command.decimal(kFirst);
    const auto right = command.decimal(kRight);
    if (!left || !first || !right)
        return Outcome::Malformed;
    format.leftIndent = *left;
    format.firstLineIndent = *first;
    format.rightIndent = *right;
    return Outcome::Applied;
}

Outcome applyLineHeight(const CommandView& command, ParagraphFormat& format)
{
    if (command.name() == "LNH") {
        format.lineHeightExact = true;
        return applyLength(command, format.lineHeight);
    }
    // "RSP" 0, half lines, twips, 0: a height relative to the line.
    const auto twips = command.decimal(2);
    if (!twips)
        return Outcome::Malformed;
    format.lineHeight = *twips;
    format.lineHeightExact = false;
    return Outcome::Applied;
}

Outcome applyTabRuler(const CommandView& command, ParagraphFormat& format)
{
    // "RUL" offset type, count, the positions, the types as "L", "C", "R", "D".
    const auto count = command.decimal(1);
    if (!count || *count < 0 || *count > static_cast<long>(command.parameterCount()) ||
        command.parameterCount() < 2 + 2 * static_cast<size_t>(*count))
        return Outcome::Malformed;
    std::vector<TabStop> tabs;
    for (size_t i = 0; i < static_cast<size_t>(*count); ++i) {
        const auto position = command.decimal(2 + i);
        const std::string type = command.text(2 + *count + i);
        if (!position)
            return Outcome::Malformed;
        tabs.push_back(TabStop{*position, type.size() == 1 ? type[0] : 'L'});
    }
    format.tabs = std::move(tabs);
    return Outcome::Applied;
}

// The parameter of a page command that holds its length in twips.
Outcome applyPageLength(const CommandView& command, size_t index, long& length)
{
    const auto value = command.decimal(index);
    if (!value || *value < 0)
        return Outcome::Malformed;
    length = *value;
    return Outcome::Applied;
}

Outcome applySideMargins(const CommandView& command, PageLayout& layout)
{
    // "RSM" 0, 0, left and right edge in lines, then in twips; the right edge
    // is measured from the page's left side, 0 when there is no right margin.
    constexpr size_t kLeft = 4;
    constexpr size_t kRightEdge = 5;
    const auto left = command.decimal(kLeft);
    const auto rightEdge = command.decimal(kRightEdge);
    if (!left || !rightEdge || *left < 0 || *rightEdge < 0)
        return Outcome::Malformed;
    layout.leftMargin = *left;
    layout.rightMargin = *rightEdge > 0 && *rightEdge < layout.width ? layout.width - *rightEdge : 0;
    return Outcome::Applied;
}

} // namespace

std::optional<long> boxClient(const CommandView& command)
{
    return command.decimal(command.name() == "PBC" ? 1 : 0);
}

std::optional<Shading> readShading(const CommandView& command)
{
    const auto intensity = command.decimal(1);
    const auto foreground = readRgb(command, kShadingForeground);
    const auto background = readRgb(command, kShadingBackground);
    if (!intensity || *intensity <= 0 || !foreground || !background)
        return std::nullopt;
    constexpr long kFull = 100;
    return Shading{static_cast<unsigned>(std::min(*intensity, kFull)), *foreground, *background};
}

Borders bordersFromCode(unsigned long code)
{
    Borders borders;
    unsigned* sides[] = {&borders.right, &borders.bottom, &borders.left, &borders.top};
    for (unsigned* side : sides) {
        *side = static_cast<unsigned>(code & kNibble);
        code >>= kNibbleBits;
    }
    return borders;
}

std::optional<Borders> readBorders(const CommandView& command)
{
    // "PBC" border word, client, and for lines a colour code per side.
    const auto code = command.hexadecimal(0);
    if (!code)
        return std::nullopt;
    Borders borders = bordersFromCode(*code);
    Rgb* colours[] = {&borders.topColor, &borders.leftColor, &borders.bottomColor, &borders.rightColor};
    for (size_t i = 0; i < 4; ++i)
        *colours[i] = colourFromCode(command.hexadecimal(2 + i).value_or(0));
    return borders;
}

Rgb colourFromCode(unsigned long code)
{
    constexpr unsigned long kRed = 4;
    constexpr unsigned long kGreen = 2;
    constexpr unsigned long kBlue = 1;
    constexpr unsigned long kBright = 8;
    const unsigned level = (code & kBright) ? kBrightChannel : kDimChannel;
    return Rgb{(code & kRed) ? level : 0, (code & kGreen) ? level : 0, (code & kBlue) ? level : 0};
}

Outcome applyCharacterCommand(const CommandView& command, CharacterFormat& format)
{
    const std::string& name = command.name();
    if (applyToggle(name, format))
        return Outcome::Applied;
    if (name == "SPF")
        return applyFont(command, format);
    if (name == "BCL")
        return applyColour(command, format);
    if (name == "BUL" || name == "EUL")
        return applyUnderline(command, format);
    if (const Outcome outcome = applyScriptOrCase(name, format); outcome != Outcome::NotMine)
        return outcome;
    return applyBox(command, format, kStrandShading, kStrandBorders);
}

Outcome applyParagraphCommand(const CommandView& command, ParagraphFormat& format)
{
    const std::string& name = command.name();
    if (const Outcome outcome = applyAlignment(name, format); outcome != Outcome::NotMine)
        return outcome;
    if (name == "KEP")
        return applyKeep(command, format.keepTogether);
    if (name == "KWN")
        return applyKeep(command, format.keepWithNext);
    if (name == "SBF")
        return applyLength(command, format.spaceBefore);
    if (name == "SAF")
        return applyLength(command, format.spaceAfter);
    if (name == "LNH" || name == "RSP")
        return applyLineHeight(command, format);
    if (name == "IPS")
        return applyIndents(command, format);
    if (name == "RUL")
        return applyTabRuler(command, format);
    // The same indents and tabs in the forms older readers take; "IPS" and
    // "RUL" carry all of it.
    if (name == "RMI" || name == "STM" || name == "LMR" || name == "NTB")
        return Outcome::Applied;
    return applyBox(command, format, kParagraphShading, kParagraphBorders);
}

Outcome applyPageCommand(const CommandView& command, PageLayout& layout)
{
    const std::string& name = command.name();
    constexpr size_t kHeight = 4; // "SFL" height in lines four times, then twips
    if (name == "SFL")
        return applyPageLength(command, kHeight, layout.height);
    if (name == "PGW")
        return applyPageLength(command, 1, layout.width);
    if (name == "STP")
        return applyPageLength(command, 2, layout.topMargin);
    if (name == "SBP")
        return applyPageLength(command, 1, layout.bottomMargin);
    if (name == "RSM")
        return applySideMargins(command, layout);
    if (name == "POR") // the width and height already say it
        return command.decimal(0) ? Outcome::Applied : Outcome::Malformed;
    if (name == "PBC" && boxClient(command) == kPageBorders) {
        const std::optional<Borders> borders = readBorders(command);
        if (!borders)
            return Outcome::Malformed;
        layout.borders = *borders;
        return Outcome::Applied;
    }
    return Outcome::NotMine;
}

} // namespace icfdump::preview
