// Writes the properties of a paragraph or of a paragraph style definition
// as ICF commands: alignment, keeping, borders, hyphenation, shading,
// spacing, line spacing, widow and orphan control, indents, drop caps, tab
// stops and, where a paragraph starts, its number. Each property of the paragraph is compared with the same
// property of the base (the paragraph's style, or the style a style is
// based on), and shouldPropWrite decides whether a command is due.
//
// One writer is made for each write and dropped after it; it works on its
// own copies of the properties.
#pragma once

#include "icf/ICFPropertiesWriter.h"
#include "model/CountedReference.h"
#include "model/ParagraphProperties.h"

#include <functional>

class INode;

class CICFParagraphPropertiesWriter : public CICFPropertiesWriter {
public:
    CICFParagraphPropertiesWriter() = default;
    CICFParagraphPropertiesWriter(const CICFParagraphPropertiesWriter&) = delete;
    CICFParagraphPropertiesWriter& operator=(const CICFParagraphPropertiesWriter&) = delete;

    // The properties compared with; null for none (every property then
    // counts as undefined in the base).
    void setBaseProperties(IParagraphProperties* properties);
    // Writes `properties` in `state` onto `writer`. `node` is the paragraph
    // written, which places it on its page; null for a style definition.
    // Nothing without properties or writer.
    void writeProperties(CICFWriter* writer, IParagraphProperties* properties, INode* node, EPropertiesState state);

private:
    // Whether a property is written, in which form, and with which value:
    // the base's when the base's setting is put back, else the paragraph's.
    template <class Value>
    struct TDecision {
        EPropWriteAnswer answer = kPropWriteNo;
        EOnOffType out = kOnOffOff;
        Value value{};

        bool isDue() const { return answer != kPropWriteNo; }
        bool isOn() const { return out == kOnOffOn; }
    };

    // Decides the property that `read` takes from a properties object:
    // `isOn` tells whether a value sets it, `same` whether two set values
    // are the same setting.
    template <class Read, class IsOn, class Same = std::equal_to<>>
    auto decide(Read read, IsOn isOn, Same same = Same()) const;
    // Tabs and indents are set where a paragraph or style starts, and are
    // not switched back.
    bool isStartState() const;

    void writeTabDefinitions();
    void writeHorizontalAlignment();
    void writeKeepTogether();
    void writeKeepWith();
    void writeBorders();
    void writeHyphenation();
    void writeShading();
    void writeSpaceBefore();
    void writeSpaceAfter();
    void writeLineSpacing();
    void writeWidowOrphan();
    void writeIndents();
    void writeDropCap();
    // The paragraph's number where the paragraph starts, counted by the
    // writer's number tracker; the list is described with its first
    // paragraph.
    void writeParagraphNumbering();
    // "RHZ" with the hot zones as percentages of the section's right margin;
    // nothing outside a section or with a right margin of 0.
    void writeHotZones(const CHyphenation& hyphenation);

    INode* m_node = nullptr; // not owned
    EPropertiesState m_state = kPropertiesOwnValues;
    TCountedReference<IParagraphProperties> m_properties;
    TCountedReference<IParagraphProperties> m_base;
};
