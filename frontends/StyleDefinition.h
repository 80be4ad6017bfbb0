// Style definitions as a host sends them: a style-definition tag whose
// record gives the style's id, its kind, the change that names it and its
// base (none), around the changes that make up what the style sets.
#pragma once

#include <cstdint>
#include <string>

namespace frontends {

class HostOutput;

// Opens the definition of style `styleId` of `kind` (CHSTYLE_*), named
// `name` (no name when empty); returns the tag id that ends it.
uint32_t beginStyleDefinition(HostOutput& output, uint32_t styleId, uint32_t kind, const std::string& name = {});
void endStyleDefinition(HostOutput& output, uint32_t tagId);

} // namespace frontends
