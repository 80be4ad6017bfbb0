#include "model/StrandFlags.h"

#include <algorithm>
#include <iterator>

namespace {

// The row whose `field` holds `which`, or null.
template <class Field, class Id>
const SStrandFlag* findFlag(Field SStrandFlag::*field, Id which)
{
    const auto* found = std::find_if(std::begin(kStrandFlags), std::end(kStrandFlags),
                                     [field, which](const SStrandFlag& row) { return row.*field == which; });
    return found == std::end(kStrandFlags) ? nullptr : found;
}

} // namespace

void setFlag(IStrandProperties& properties, EStrandFlag flag, bool on)
{
    const SStrandFlag& row = kStrandFlags[flag];
    (properties.*row.set)(on);
}

void copyFlag(const IStrandProperties& from, EStrandFlag flag, IStrandProperties& to)
{
    setFlag(to, flag, isFlagSet(from, flag));
}

const SStrandFlag* flagOfRelation(ESameAsStrandProperties which)
{
    return findFlag(&SStrandFlag::sameAs, which);
}

const SStrandFlag* flagOfRelation(EOppositeOfStrandProperties which)
{
    return findFlag(&SStrandFlag::opposite, which);
}
