#include "core/CharacterMapping.h"

#include "core/Exceptions.h"

namespace {

ICharacterMapper* s_mapper = nullptr;

} // namespace

ICharacterMapper& currentCharacterMapper()
{
    if (!s_mapper)
        throw ExAssertionFailed("REQUIRE: characterMapper != NULL\n\tFile: CharacterMapping  ln(14)");
    return *s_mapper;
}

void setCurrentCharacterMapper(ICharacterMapper* mapper)
{
    s_mapper = mapper;
}
