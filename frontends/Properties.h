// Reading the values of the importers' property lists: a property's text,
// or what stands for it when the property is missing.
#pragma once

#include <librevenge/librevenge.h>

#include <string>

namespace frontends {

std::string textOf(const librevenge::RVNGProperty* property, const char* otherwise = "");
std::string textOf(const librevenge::RVNGPropertyList& properties, const char* name, const char* otherwise = "");

} // namespace frontends
