#include "frontends/CharacterState.h"

#include "frontends/Measure.h"
#include "trx/changes.h"

#include <cstdlib>

namespace frontends {

namespace {

std::string textOf(const librevenge::RVNGPropertyList& properties, const char* name)
{
    const librevenge::RVNGProperty* property = properties[name];
    return property ? std::string(property->getStr().cstr()) : std::string();
}

// A line (underline or strike-out) is drawn when its type says so or, with
// no type given, when its style is a line style other than "none".
// Returns the host attribute for the line, or 0 for none.
uint32_t lineAttribute(const librevenge::RVNGPropertyList& properties, const char* typeName, const char* styleName,
                       uint32_t single, uint32_t twice)
{
    const std::string type = textOf(properties, typeName);
    const std::string style = textOf(properties, styleName);
    if (type == "none" || style == "none" || (type.empty() && style.empty()))
        return 0;
    return type == "double" ? twice : single;
}

} // namespace

CharacterState CharacterState::ofSpan(const librevenge::RVNGPropertyList& properties)
{
    CharacterState state;
    const std::string weight = textOf(properties, "fo:font-weight");
    if (weight == "bold" || weight == "bolder" || std::atoi(weight.c_str()) >= 600)
        state.attributes.insert(CHATTR_BOLD);
    const std::string style = textOf(properties, "fo:font-style");
    if (style == "italic" || style == "oblique")
        state.attributes.insert(CHATTR_ITALIC);
    if (const uint32_t underline = lineAttribute(properties, "style:text-underline-type", "style:text-underline-style",
                                                 CHATTR_UNDERLINE, CHATTR_DOUBLE_UNDERLINE))
        state.attributes.insert(underline);
    if (const uint32_t strikeOut =
            lineAttribute(properties, "style:text-line-through-type", "style:text-line-through-style", CHATTR_STRIKEOUT,
                          CHATTR_DOUBLE_STRIKEOUT))
        state.attributes.insert(strikeOut);
    state.fontName = textOf(properties, "style:font-name");
    state.fontSize = halfPointsOf(properties["fo:font-size"]).value_or(0);
    return state;
}

std::vector<AttributeSwitch> attributeSwitches(const CharacterState& from, const CharacterState& to)
{
    std::vector<AttributeSwitch> switches;
    for (const uint32_t attribute : from.attributes)
        if (!to.attributes.count(attribute))
            switches.push_back({attribute, false});
    for (const uint32_t attribute : to.attributes)
        if (!from.attributes.count(attribute))
            switches.push_back({attribute, true});
    return switches;
}

} // namespace frontends
