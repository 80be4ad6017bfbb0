// The content interfaces of styles and of the style table. Every style
// interface derives virtually from IStyleContent, whose operations
// CStyleNode implements once for all styles.
#pragma once

#include "model/Node.h"

#include <cstdint>
#include <list>

class CCharacterString;
class CNumberingLevelDefinition;
class IListStyleContent;
class IParagraphProperties;
class IParagraphStyleContent;
class IStrandProperties;
class IStrandStyleContent;
class IStyleTableContent;

enum EStyleTypes : uint32_t {
    kParagraphStyle = 1,
    kStrandStyle = 2,
    kListStyle = 3,
};

class IStyleContent : public IContent {
public:
    virtual CCharacterString& getName(CCharacterString& out) const = 0;
    virtual uint32_t getID() const = 0;
    virtual void setName(const CCharacterString& name) = 0;
    virtual void setID(uint32_t id) = 0;
    virtual EStyleTypes getType() const = 0;
    // The style as the interface of its type; null for a style of another.
    virtual IParagraphStyleContent* getParagraphStyleContent() { return nullptr; }
    virtual IStrandStyleContent* getStrandStyleContent() { return nullptr; }
    virtual IListStyleContent* getListStyleContent() { return nullptr; }
};

// A character style.
class IStrandStyleContent : public virtual IStyleContent {
public:
    IStrandStyleContent* getStrandStyleContent() final { return this; }
    virtual IStrandProperties* getProperties() const = 0;
    // Holds a reference to the properties.
    virtual void setProperties(IStrandProperties* properties) = 0;
    // Names the base style; nothing is copied from it.
    virtual void setBasedOnStyle(IStrandStyleContent* style) = 0;
    virtual void setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table) = 0;
    virtual void setBasedOnStyle(uint32_t id, IStyleTableContent* table) = 0;
    virtual IStrandStyleContent* getBasedOnStyle() const = 0;
};

class IParagraphStyleContent : public virtual IStyleContent {
public:
    IParagraphStyleContent* getParagraphStyleContent() final { return this; }
    virtual IParagraphProperties* getParagraphProperties() const = 0;
    virtual IStrandProperties* getStrandProperties() const = 0;
    // Both hold a reference to the properties.
    virtual void setParagraphProperties(IParagraphProperties* properties) = 0;
    virtual void setStrandProperties(IStrandProperties* properties) = 0;
    // The style inherits by copying: its properties are replaced by copies
    // of the base style's, and later changes modify the copies.
    virtual void setBasedOnStyle(IParagraphStyleContent* style) = 0;
    virtual void setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table) = 0;
    virtual void setBasedOnStyle(uint32_t id, IStyleTableContent* table) = 0;
    virtual IParagraphStyleContent* getBasedOnStyle() const = 0;
    virtual void setNextStyle(IParagraphStyleContent* style) = 0;
    virtual IParagraphStyleContent* getNextStyle() const = 0;
};

using NumberingLevelDefinitionList = std::list<CNumberingLevelDefinition*>;

// A list style: one numbering level definition per level.
class IListStyleContent : public virtual IStyleContent {
public:
    IListStyleContent* getListStyleContent() final { return this; }
    // Appends the definition and takes a reference to it; null is ignored.
    virtual void addNumberingLevelDefinition(CNumberingLevelDefinition* definition) = 0;
    // Removes the definition and drops the style's reference to it.
    virtual void removeNumberingLevelDefinition(CNumberingLevelDefinition* definition) = 0;
    virtual const NumberingLevelDefinitionList& getNumberingLevelDefinitions() const = 0;
};

using StyleList = std::list<IStyleContent*>;

class IStyleTableContent : public IContent {
public:
    // The table owns the styles added to it; null is ignored.
    virtual void addStyle(IStyleContent* style) = 0;
    // Takes the style out of the table and hands it back to the caller.
    virtual void removeStyle(IStyleContent* style) = 0;
    virtual const StyleList& getStyles() const = 0;
    // The first style, in the order they were added, that matches; null
    // when there is none.
    virtual IStyleContent* findStyle(uint32_t id) const = 0;
    virtual IStyleContent* findStyle(const CCharacterString& name, EStyleTypes type) const = 0;
    virtual IStyleContent* findStyle(uint32_t id, EStyleTypes type) const = 0;
};
