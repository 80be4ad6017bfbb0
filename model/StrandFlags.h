// The on/off character attributes of strand properties (bold, italic ...):
// one row per attribute with its accessors and the ids by which a style
// relation names it. The reader's host codes and the writer's ICF commands
// of these attributes are tables of their own, kept by those layers, with
// one row per attribute in the order of EStrandFlag; each checks itself
// with coversEveryFlag. Adding an attribute adds its accessors, a row to
// each table and, when ICF has commands for it, its place in the order in
// which the strand properties writer writes.
#pragma once

#include "model/StrandContent.h"
#include "model/StrandProperties.h"

#include <cstddef>
#include <optional>

enum EStrandFlag : std::size_t {
    kFlagBold,
    kFlagEmbossed,
    kFlagEngraved,
    kFlagFlashing,
    kFlagHidden,
    kFlagItalic,
    kFlagOutline,
    kFlagProtected,
    kFlagReverse,
    kFlagRevisionAdded,
    kFlagRevisionDeleted,
    kFlagShadow,
    kStrandFlagCount
};

struct SStrandFlag {
    EStrandFlag flag;
    bool (IStrandProperties::*is)() const;
    void (IStrandProperties::*set)(bool);
    ESameAsStrandProperties sameAs;
    // Not every attribute can be set to the opposite of its style's.
    std::optional<EOppositeOfStrandProperties> opposite;
};

inline constexpr SStrandFlag kStrandFlags[] = {
    {kFlagBold, &IStrandProperties::isBold, &IStrandProperties::setBold, kSameAsBold, kOppositeOfBold},
    {kFlagEmbossed, &IStrandProperties::isEmbossed, &IStrandProperties::setEmbossed, kSameAsEmbossed,
     kOppositeOfEmbossed},
    {kFlagEngraved, &IStrandProperties::isEngraved, &IStrandProperties::setEngraved, kSameAsEngraved,
     kOppositeOfEngraved},
    {kFlagFlashing, &IStrandProperties::isFlashing, &IStrandProperties::setFlashing, kSameAsFlashing, std::nullopt},
    {kFlagHidden, &IStrandProperties::isHidden, &IStrandProperties::setHidden, kSameAsHidden, kOppositeOfHidden},
    {kFlagItalic, &IStrandProperties::isItalic, &IStrandProperties::setItalic, kSameAsItalic, kOppositeOfItalic},
    {kFlagOutline, &IStrandProperties::isOutline, &IStrandProperties::setOutline, kSameAsOutline, kOppositeOfOutline},
    {kFlagProtected, &IStrandProperties::isProtected, &IStrandProperties::setProtected, kSameAsProtected, std::nullopt},
    {kFlagReverse, &IStrandProperties::isReverse, &IStrandProperties::setReverse, kSameAsReverse, std::nullopt},
    {kFlagRevisionAdded, &IStrandProperties::isRevisionAdded, &IStrandProperties::setRevisionAdded,
     kSameAsRevisionAdded, kOppositeOfRevisionAdded},
    {kFlagRevisionDeleted, &IStrandProperties::isRevisionDeleted, &IStrandProperties::setRevisionDeleted,
     kSameAsRevisionDeleted, kOppositeOfRevisionDeleted},
    {kFlagShadow, &IStrandProperties::isShadow, &IStrandProperties::setShadow, kSameAsShadow, kOppositeOfShadow},
};

// True when `rows` has one row per attribute, in the order of EStrandFlag,
// so that a row is found by indexing with its attribute.
template <class Row, std::size_t N>
constexpr bool coversEveryFlag(const Row (&rows)[N])
{
    if (N != kStrandFlagCount)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].flag != i)
            return false;
    }
    return true;
}

static_assert(coversEveryFlag(kStrandFlags), "one row per on/off attribute, in the order of EStrandFlag");

// Inline: the strand writers ask for every attribute of every strand.
inline bool isFlagSet(const IStrandProperties& properties, EStrandFlag flag)
{
    const SStrandFlag& row = kStrandFlags[flag];
    return (properties.*row.is)();
}
void setFlag(IStrandProperties& properties, EStrandFlag flag, bool on);
void copyFlag(const IStrandProperties& from, EStrandFlag flag, IStrandProperties& to);

// The attribute a relation id names; null when it names one that is not
// on/off.
const SStrandFlag* flagOfRelation(ESameAsStrandProperties which);
const SStrandFlag* flagOfRelation(EOppositeOfStrandProperties which);
