// One part of a generated number: the number itself in some style, with the
// text before and after it. Also the style of page and note numbers.
#pragma once

#include "model/CountedReference.h"
#include "model/ReferenceTracking.h"
#include "model/StrandContentList.h"
#include "model/StrandProperties.h"

#include <cstdint>

enum ENumberingTypes : uint32_t {
    kNumberingNone = 0,
    // The type of the level definition the style belongs to.
    kNumberingAsLevel = 1,
    kNumberingDecimal = 2,
    kNumberingLowerLetters = 3,
    kNumberingUpperLetters = 4,
    kNumberingLowerRoman = 5,
    kNumberingUpperRoman = 6,
    kNumberingOrdinal = 7,
    kNumberingCardinalWords = 8,
    kNumberingOrdinalWords = 9,
};

class CNumberingStyle : public CReferenceTracking {
public:
    CNumberingStyle() = default;
    CNumberingStyle(const CNumberingStyle&) = delete;
    CNumberingStyle& operator=(const CNumberingStyle&) = delete;

    void setNumberingType(ENumberingTypes type) { m_type = type; }
    ENumberingTypes getNumberingType() const { return m_type; }
    // The level whose count this style shows.
    void setLevel(uint32_t level) { m_level = level; }
    uint32_t getLevel() const { return m_level; }
    // The character formatting of the number; the style holds a reference.
    void setGeneratedNumberProps(IStrandProperties* properties) { m_numberProperties.reset(properties); }
    IStrandProperties* getGeneratedNumberProps() const { return m_numberProperties.get(); }

    // The text before and after the number. The style owns the strands
    // added (see CStrandContentList); remove hands a strand back.
    void addPrefixStrandContent(IStrandContent* strand) { m_prefix.add(strand); }
    void removePrefixStrandContent(IStrandContent* strand) { m_prefix.remove(strand); }
    CStrandContentList& getPrefixStrandContents() { return m_prefix; }
    void addSuffixStrandContent(IStrandContent* strand) { m_suffix.add(strand); }
    void removeSuffixStrandContent(IStrandContent* strand) { m_suffix.remove(strand); }
    CStrandContentList& getSuffixStrandContents() { return m_suffix; }

protected:
    // Ends with the release of its last reference.
    ~CNumberingStyle() override = default;

private:
    ENumberingTypes m_type = kNumberingNone;
    uint32_t m_level = 0;
    CStrandContentList m_prefix;
    CStrandContentList m_suffix;
    TCountedReference<IStrandProperties> m_numberProperties;
};
