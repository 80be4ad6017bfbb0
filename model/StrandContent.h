// The content interfaces of strands: the runs of text and the inline items
// (content strands) of a paragraph. The content interface of every strand
// node derives virtually from IStrandContent, whose operations CStrandBase
// implements once for all strands.
#pragma once

#include "model/Node.h"

#include <cstdint>

class CCharacterString;
class IStrandProperties;
class IStrandStyleContent;
class IStyleTableContent;

// Attributes a strand may take over from its style.
enum ESameAsStrandProperties : uint32_t {
    kSameAsBold = 0,
    kSameAsItalic = 1,
    kSameAsStrikeOut = 2,
    kSameAsHidden = 3,
    kSameAsRevisionDeleted = 4,
    kSameAsRevisionAdded = 5,
    kSameAsOutline = 6,
    kSameAsReverse = 7,
    kSameAsShadow = 8,
    kSameAsFlashing = 9,
    kSameAsProtected = 10,
    kSameAsEmbossed = 11,
    kSameAsEngraved = 12,
    kSameAsUnderline = 13,
    kSameAsCaseModifier = 14,
    kSameAsScripting = 15,
    kSameAsLanguage = 17,
    kSameAsPairKerningStart = 18,
    kSameAsColor = 21,
    kSameAsFontName = 22,
    kSameAsFontSize = 23,
    kSameAsCharacterWidthAdjustment = 24,
};

// Attributes a strand may set to the opposite of its style's.
enum EOppositeOfStrandProperties : uint32_t {
    kOppositeOfBold = 0,
    kOppositeOfItalic = 1,
    kOppositeOfStrikeOut = 2,
    kOppositeOfHidden = 3,
    kOppositeOfRevisionDeleted = 4,
    kOppositeOfRevisionAdded = 5,
    kOppositeOfOutline = 6,
    kOppositeOfShadow = 7,
    kOppositeOfEmbossed = 8,
    kOppositeOfEngraved = 9,
};

class IStrandContent : public IContent {
public:
    IStrandContent* getStrandContent() final { return this; }
    virtual IStrandProperties* getProperties() const = 0;
    virtual IStrandStyleContent* getStyle() const = 0;
    // Holds a reference to the properties.
    virtual void setProperties(IStrandProperties* properties) = 0;
    // A strand without properties of its own gets a copy of the style's.
    virtual void setStyle(IStrandStyleContent* style) = 0;
    // The character style of that name, or of that id, in the table; no
    // style when the table holds none.
    virtual void setStyle(const CCharacterString& name, IStyleTableContent* table) = 0;
    virtual void setStyle(uint32_t id, IStyleTableContent* table) = 0;
    virtual void setPropertySameAsStyle(ESameAsStrandProperties which) = 0;
    virtual void setPropertyOppositeOfStyle(EOppositeOfStrandProperties which) = 0;
    virtual bool isPropertySameAsStyle(ESameAsStrandProperties which) const = 0;
    virtual bool isPropertyOppositeOfStyle(EOppositeOfStrandProperties which) const = 0;
};

class ITextStrandContent : public virtual IStrandContent {
public:
    ITextStrandContent* getTextStrandContent() final { return this; }
    virtual CCharacterString& getText(CCharacterString& out) const = 0;
    virtual void setText(const CCharacterString& text) = 0;
};
