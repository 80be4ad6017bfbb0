#include "frontends/ParagraphState.h"

#include "frontends/Measure.h"
#include "frontends/Properties.h"
#include "frontends/Utf16.h"
#include "trx/changes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace frontends {

namespace {

// A line of single spacing: line heights in lines are sent in twips of it.
constexpr double kTwipsPerLine = 240.0;
// Spacings within this many lines of one are single spacing.
constexpr double kSingleSpacingTolerance = 0.005;
// Lines beyond this are no spacing a document means; the value is dropped.
constexpr double kMostLines = 100.0;
constexpr uint16_t kDecimalPoint = '.';

// The first UTF-16 unit of a property's text; 0 when there is none.
uint16_t firstUnitOf(const librevenge::RVNGPropertyList& properties, const char* name)
{
    std::vector<uint16_t> units;
    appendUtf16(textOf(properties, name), units);
    return units.empty() ? 0 : units.front();
}

uint32_t alignmentOf(const std::string& value)
{
    if (value == "center")
        return CHALIGN_CENTER;
    if (value == "right" || value == "end")
        return CHALIGN_RIGHT;
    if (value == "justify" || value == "full")
        return CHALIGN_JUSTIFY;
    return CHALIGN_LEFT;
}

// fo:line-height is a length (exact) or a number of lines, given as a
// percentage or a bare number; style:line-height-at-least a length.
void readLineSpacing(const librevenge::RVNGPropertyList& properties, ParagraphState& state)
{
    if (const auto atLeast = twipsOf(properties["style:line-height-at-least"])) {
        state.lineSpacingKind = CHSPACING_AT_LEAST;
        state.lineHeight = *atLeast;
        return;
    }
    const librevenge::RVNGProperty* height = properties["fo:line-height"];
    if (!height)
        return;
    if (const auto exact = twipsOf(height)) {
        state.lineSpacingKind = CHSPACING_EXACT;
        state.lineHeight = *exact;
        return;
    }
    const librevenge::RVNGUnit unit = height->getUnit();
    const double lines = height->getDouble();
    if ((unit != librevenge::RVNG_PERCENT && unit != librevenge::RVNG_GENERIC) || !std::isfinite(lines) || lines <= 0 ||
        lines > kMostLines || std::fabs(lines - 1.0) < kSingleSpacingTolerance)
        return;
    state.lineSpacingKind = CHSPACING_AT_LEAST;
    state.lineHeight = static_cast<uint32_t>(std::lround(lines * kTwipsPerLine));
}

uint32_t lineCountOf(const librevenge::RVNGProperty* property)
{
    return property && property->getInt() > 0 ? static_cast<uint32_t>(property->getInt()) : 0;
}

uint32_t tabKindOf(const std::string& type)
{
    if (type == "right")
        return CHTAB_RIGHT;
    if (type == "center")
        return CHTAB_CENTER;
    if (type == "char")
        return CHTAB_DECIMAL;
    return CHTAB_LEFT;
}

// Tab positions are given from the left indent, the host's from the
// margin; a stop that would lie left of the margin is left out.
void readTabStops(const librevenge::RVNGPropertyList& properties, ParagraphState& state)
{
    const librevenge::RVNGPropertyListVector* stops = properties.child("style:tab-stops");
    if (!stops)
        stops = properties.child("librevenge:tab-stops");
    if (!stops)
        return;
    for (unsigned long i = 0; i < stops->count(); ++i) {
        const librevenge::RVNGPropertyList& stop = (*stops)[i];
        const auto position = signedTwipsOf(stop["style:position"]);
        if (!position || int64_t{*position} + state.leftIndent < 0 || int64_t{*position} + state.leftIndent > INT32_MAX)
            continue;
        TabStop tab;
        tab.position = static_cast<uint32_t>(*position + state.leftIndent);
        tab.kind = tabKindOf(textOf(stop, "style:type"));
        if (textOf(stop, "style:leader-style") != "none")
            tab.leader = firstUnitOf(stop, "style:leader-text");
        if (tab.kind == CHTAB_DECIMAL) {
            const uint16_t decimal = firstUnitOf(stop, "style:char");
            tab.decimal = decimal != 0 ? decimal : kDecimalPoint;
        }
        state.tabs.push_back(tab);
    }
}

void addIndentChange(std::vector<HostChange>& changes, uint32_t which, int32_t from, int32_t to)
{
    if (from != to)
        changes.push_back({CHCHANGE_ONE_INDENT, which, 0, static_cast<uint32_t>(to)});
}

void addTabChanges(std::vector<HostChange>& changes, const std::vector<TabStop>& from, const std::vector<TabStop>& to)
{
    if (from == to)
        return;
    changes.push_back({CHCHANGE_CLEAR_TABS});
    for (const TabStop& tab : to)
        changes.push_back({CHCHANGE_ADD_TAB, tab.kind,
                           static_cast<uint32_t>(tab.leader) << CHTAB_LEADER_SHIFT | tab.decimal, tab.position});
}

} // namespace

bool TabStop::operator==(const TabStop& other) const
{
    return position == other.position && kind == other.kind && leader == other.leader && decimal == other.decimal;
}

ParagraphState::ParagraphState() : alignment(CHALIGN_LEFT), lineSpacingKind(CHSPACING_SINGLE)
{
}

ParagraphState ParagraphState::ofParagraph(const librevenge::RVNGPropertyList& properties)
{
    ParagraphState state;
    state.alignment = alignmentOf(textOf(properties, "fo:text-align"));
    state.leftIndent = signedTwipsOf(properties["fo:margin-left"]).value_or(0);
    state.rightIndent = signedTwipsOf(properties["fo:margin-right"]).value_or(0);
    state.firstLineIndent = signedTwipsOf(properties["fo:text-indent"]).value_or(0);
    state.spaceBefore = twipsOf(properties["fo:margin-top"]).value_or(0);
    state.spaceAfter = twipsOf(properties["fo:margin-bottom"]).value_or(0);
    readLineSpacing(properties, state);
    state.widowOrphanLines = std::max(lineCountOf(properties["fo:widows"]), lineCountOf(properties["fo:orphans"]));
    readTabStops(properties, state);
    return state;
}

std::vector<HostChange> paragraphChanges(const ParagraphState& from, const ParagraphState& to)
{
    std::vector<HostChange> changes;
    if (from.alignment != to.alignment)
        changes.push_back({CHCHANGE_ALIGNMENT, to.alignment});
    addIndentChange(changes, CHINDENT_LEFT, from.leftIndent, to.leftIndent);
    addIndentChange(changes, CHINDENT_RIGHT, from.rightIndent, to.rightIndent);
    // A fresh paragraph measures its first line from the margin: the first
    // line goes with every new left indent, so that it keeps its place
    // from the indent.
    if (from.firstLineIndent != to.firstLineIndent || from.leftIndent != to.leftIndent)
        changes.push_back({CHCHANGE_ONE_INDENT, CHINDENT_FIRST_LINE, 0, static_cast<uint32_t>(to.firstLineIndent)});
    if (from.spaceBefore != to.spaceBefore)
        changes.push_back({CHCHANGE_SPACE_BEFORE, 0, to.spaceBefore});
    if (from.spaceAfter != to.spaceAfter)
        changes.push_back({CHCHANGE_SPACE_AFTER, 0, to.spaceAfter});
    if (from.lineSpacingKind != to.lineSpacingKind || from.lineHeight != to.lineHeight)
        changes.push_back({CHCHANGE_LINE_SPACING, to.lineSpacingKind, to.lineHeight});
    // The host keeps one control for widows and orphans.
    if (from.widowOrphanLines != to.widowOrphanLines)
        changes.push_back({CHCHANGE_WIDOW_CONTROL, to.widowOrphanLines != 0 ? 1u : 0u, to.widowOrphanLines});
    addTabChanges(changes, from.tabs, to.tabs);
    return changes;
}

} // namespace frontends
