#include "frontends/CharacterState.h"

#include "frontends/Measure.h"
#include "frontends/Properties.h"
#include "trx/changes.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace frontends {

namespace {

using librevenge::RVNGProperty;
using librevenge::RVNGPropertyList;

// The properties of a span that are read, found in one pass over its list:
// spans come with every run of text, and a lookup by name costs a key
// string and a search each.
struct SpanProperties {
    const RVNGProperty* weight = nullptr;
    const RVNGProperty* style = nullptr;
    const RVNGProperty* underlineType = nullptr;
    const RVNGProperty* underlineStyle = nullptr;
    const RVNGProperty* strikeOutType = nullptr;
    const RVNGProperty* strikeOutStyle = nullptr;
    const RVNGProperty* fontName = nullptr;
    const RVNGProperty* fontSize = nullptr;

    explicit SpanProperties(const RVNGPropertyList& properties)
    {
        const std::pair<const char*, const RVNGProperty**> wanted[] = {
            {"fo:font-weight", &weight},
            {"fo:font-style", &style},
            {"style:text-underline-type", &underlineType},
            {"style:text-underline-style", &underlineStyle},
            {"style:text-line-through-type", &strikeOutType},
            {"style:text-line-through-style", &strikeOutStyle},
            {"style:font-name", &fontName},
            {"fo:font-size", &fontSize},
        };
        RVNGPropertyList::Iter entry(properties);
        for (entry.rewind(); entry.next();)
            for (const auto& [name, slot] : wanted)
                if (std::strcmp(entry.key(), name) == 0)
                    *slot = entry();
    }
};

// A line (underline or strike-out) is drawn when its type says so or, with
// no type given, when its style is a line style other than "none".
// Returns the host attribute for the line, or 0 for none.
uint32_t lineAttribute(const RVNGProperty* typeProperty, const RVNGProperty* styleProperty, uint32_t single,
                       uint32_t twice)
{
    const std::string type = textOf(typeProperty);
    const std::string style = textOf(styleProperty);
    if (type == "none" || style == "none" || (type.empty() && style.empty()))
        return 0;
    return type == "double" ? twice : single;
}

} // namespace

CharacterState CharacterState::ofSpan(const RVNGPropertyList& properties)
{
    const SpanProperties span(properties);
    CharacterState state;
    const std::string weight = textOf(span.weight);
    if (weight == "bold" || weight == "bolder" || std::atoi(weight.c_str()) >= 600)
        state.attributes.set(CHATTR_BOLD);
    const std::string style = textOf(span.style);
    if (style == "italic" || style == "oblique")
        state.attributes.set(CHATTR_ITALIC);
    if (const uint32_t underline =
            lineAttribute(span.underlineType, span.underlineStyle, CHATTR_UNDERLINE, CHATTR_DOUBLE_UNDERLINE))
        state.attributes.set(underline);
    if (const uint32_t strikeOut =
            lineAttribute(span.strikeOutType, span.strikeOutStyle, CHATTR_STRIKEOUT, CHATTR_DOUBLE_STRIKEOUT))
        state.attributes.set(strikeOut);
    state.fontName = textOf(span.fontName);
    state.fontSize = halfPointsOf(span.fontSize).value_or(0);
    return state;
}

std::vector<AttributeSwitch> attributeSwitches(const CharacterState& from, const CharacterState& to)
{
    std::vector<AttributeSwitch> switches;
    const std::bitset<CharacterState::kAttributeCodes> changed = from.attributes ^ to.attributes;
    if (changed.none())
        return switches;
    for (const bool on : {false, true})
        for (uint32_t attribute = 0; attribute < changed.size(); ++attribute)
            if (changed[attribute] && to.attributes[attribute] == on)
                switches.push_back({attribute, on});
    return switches;
}

} // namespace frontends
