#include "frontends/CharacterState.h"

#include "frontends/Measure.h"
#include "trx/changes.h"

#include <cstdlib>

namespace frontends {

namespace {

// The property's text, or an empty string when it is missing. Spans come
// with every run of text, so nothing is copied.
librevenge::RVNGString textOf(const librevenge::RVNGPropertyList& properties, const char* name)
{
    const librevenge::RVNGProperty* property = properties[name];
    return property ? property->getStr() : librevenge::RVNGString();
}

// A line (underline or strike-out) is drawn when its type says so or, with
// no type given, when its style is a line style other than "none".
// Returns the host attribute for the line, or 0 for none.
uint32_t lineAttribute(const librevenge::RVNGPropertyList& properties, const char* typeName, const char* styleName,
                       uint32_t single, uint32_t twice)
{
    const librevenge::RVNGString type = textOf(properties, typeName);
    const librevenge::RVNGString style = textOf(properties, styleName);
    if (type == "none" || style == "none" || (type.empty() && style.empty()))
        return 0;
    return type == "double" ? twice : single;
}

} // namespace

CharacterState CharacterState::ofSpan(const librevenge::RVNGPropertyList& properties)
{
    CharacterState state;
    const librevenge::RVNGString weight = textOf(properties, "fo:font-weight");
    if (weight == "bold" || weight == "bolder" || std::atoi(weight.cstr()) >= 600)
        state.attributes.set(CHATTR_BOLD);
    const librevenge::RVNGString style = textOf(properties, "fo:font-style");
    if (style == "italic" || style == "oblique")
        state.attributes.set(CHATTR_ITALIC);
    if (const uint32_t underline = lineAttribute(properties, "style:text-underline-type", "style:text-underline-style",
                                                 CHATTR_UNDERLINE, CHATTR_DOUBLE_UNDERLINE))
        state.attributes.set(underline);
    if (const uint32_t strikeOut =
            lineAttribute(properties, "style:text-line-through-type", "style:text-line-through-style", CHATTR_STRIKEOUT,
                          CHATTR_DOUBLE_STRIKEOUT))
        state.attributes.set(strikeOut);
    state.fontName = textOf(properties, "style:font-name").cstr();
    state.fontSize = halfPointsOf(properties["fo:font-size"]).value_or(0);
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
