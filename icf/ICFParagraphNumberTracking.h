// The numbers of numbered paragraphs. The output gives the running numbers,
// so the writer counts: for each list style (by its id) it keeps the counts
// of the list's levels. A list is described once, with its first numbered
// paragraph ("PND": each level's current number, text around the number
// and number type); every numbered paragraph then carries its number text
// between "PGN" and "EPN".
#pragma once

#include "icf/ICFParagraphCounts.h"
#include "model/NumberingStyle.h"

#include <cstdint>
#include <map>

class CICFWriter;
class CNumberingLevelDefinition;
class CParagraphNumbering;
class IListStyleContent;
class IStrandProperties;

class CICFParagraphNumberTracking {
public:
    CICFParagraphNumberTracking() = default;
    CICFParagraphNumberTracking(const CICFParagraphNumberTracking&) = delete;
    CICFParagraphNumberTracking& operator=(const CICFParagraphNumberTracking&) = delete;

    // Counts the paragraph at its level, restarting the level where the
    // numbering asks for it. True when this is the first paragraph of its
    // list; false also without a list style.
    bool addParagraph(CParagraphNumbering& numbering);
    // "PND": the description of the paragraph's list, six values a level.
    // Nothing without a writer, list style or level definitions.
    void writePND(CICFWriter* writer, CParagraphNumbering& numbering);
    // "PGN" with the paragraph's level, the number text, "EPN", inside the
    // character formatting of the level's number. Nothing without a writer,
    // list style or level definitions.
    void writePGN(CICFWriter* writer, CParagraphNumbering& numbering);
    // The number text of the paragraph's level: for each number style of
    // its level definition, the prefix strands, the number of the style's
    // level in its own formatting, the suffix strands.
    void writeNumberingString(CICFWriter* writer, CParagraphNumbering& numbering);
    // Forgets every list: each starts anew.
    void reset() { m_lists.clear(); }

    // The list's first definition of `level`; null if none.
    static CNumberingLevelDefinition* locateNumberingLevelDefinition(const IListStyleContent& list, uint32_t level);
    // The definition's first number style of `level`; null if none or
    // without a definition.
    static CNumberingStyle* locateNumberingStyle(const CNumberingLevelDefinition* definition, uint32_t level);
    // The number type that level `level` of the list has of its own, for a
    // style that shows that level "as the level does". Decimal when the
    // level has no number style with a type of its own.
    static ENumberingTypes locateNumberingType(const IListStyleContent& list, uint32_t level);
    // The character formatting of the paragraph level's number: its number
    // style's, else that of the style's first strand; null if none.
    static IStrandProperties* getGeneratedNumberProps(const CParagraphNumbering& numbering);
    // The properties of the style's first prefix strand, else of its first
    // suffix strand; null if none.
    static IStrandProperties* locateFirstStrandProps(CNumberingStyle& style);

private:
    // The counts of the numbering's list; null for a list not yet counted.
    const CICFParagraphCounts* findCounts(const CParagraphNumbering& numbering) const;
    // The number of `level` in the style's type (resolved through the list
    // for "as the level").
    void writeNumberText(CICFWriter* writer, const IListStyleContent& list, const CNumberingStyle& style,
                         uint32_t number);

    std::map<uint32_t, CICFParagraphCounts> m_lists;
};
