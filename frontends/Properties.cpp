#include "frontends/Properties.h"

namespace frontends {

std::string textOf(const librevenge::RVNGProperty* property, const char* otherwise)
{
    return property ? std::string(property->getStr().cstr()) : std::string(otherwise);
}

std::string textOf(const librevenge::RVNGPropertyList& properties, const char* name, const char* otherwise)
{
    return textOf(properties[name], otherwise);
}

} // namespace frontends
