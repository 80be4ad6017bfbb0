#include "icf/ICFParagraphPropertiesWriter.h"

#include "icf/ICFBorders.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFIndents.h"
#include "icf/ICFLineSpacing.h"
#include "icf/ICFParagraphNumberTracking.h"
#include "icf/ICFParameter.h"
#include "icf/ICFShading.h"
#include "icf/ICFTabRuler.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/NodeUtilities.h"
#include "model/PageProperties.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"
#include "model/Units.h"

#include <algorithm>
#include <type_traits>

namespace {

constexpr uint32_t kPercent = 100;
// "KEP" and "KWN" take 0 to switch keeping on and 1 to switch it off.
constexpr uint32_t kKeepOn = 0;
constexpr uint32_t kKeepOff = 1;
constexpr uint32_t kDropCapOn = 1;
constexpr uint32_t kDropCapOff = 0;
constexpr uint32_t kReserved = 0;

// A reader for the properties getters that fill a caller's object.
template <class Value>
auto valueOf(Value& (IParagraphProperties::*getter)(Value&) const)
{
    return [getter](const IParagraphProperties& properties) {
        Value value;
        (properties.*getter)(value);
        return value;
    };
}

const char* alignmentCommand(EHorizontalAlignment alignment)
{
    switch (alignment) {
    case kAlignCenter:
        return kCmdCenter;
    case kAlignRight:
        return kCmdAlignRight;
    case kAlignJustify:
        return kCmdJustifyOn;
    default:
        return nullptr;
    }
}

void writeNoParamCommand(CICFWriter* writer, const char* name)
{
    CICFCommandWriter command;
    command.writeNoParamCmd(writer, name);
}

// "SBF" or "SAF": the space in twips and in whole lines; 0 0 when off.
void writeSpacing(CICFWriter* writer, const char* name, bool on, const CDimension& space)
{
    const int32_t twips = on ? space.getValue() : 0;
    CICFCommandWriter::writeDecimalCmd(writer, name,
                                       {static_cast<uint32_t>(twips), static_cast<uint32_t>(twips / kTwipsPerLine)});
}

bool isSpaceSet(const CDimension& space)
{
    return space.getValue() != 0;
}

bool isSameSpace(const CDimension& a, const CDimension& b)
{
    return a.getValue() == b.getValue();
}

int32_t heightInLines(const CVerticalDimension& height)
{
    CDimension lines;
    return height.getDimHeight(lines, kHeightUnitsLines).getValue();
}

// The right margin of the section `node` lies in; 0 outside a section.
int32_t sectionRightMargin(INode* node)
{
    INode* section = CNodeUtilities::findParent(node, kSectionNode);
    ISectionContent* content = section ? section->getIContent()->getSectionContent() : nullptr;
    ISectionProperties* properties = content ? content->getProperties() : nullptr;
    CPageProperties* page = properties ? properties->getPageProperties() : nullptr;
    CDimension margin;
    return page ? page->getRightMargin(margin).getValue() : 0;
}

} // namespace

void CICFParagraphPropertiesWriter::setBaseProperties(IParagraphProperties* properties)
{
    m_base = cloneOf(properties);
}

void CICFParagraphPropertiesWriter::writeProperties(CICFWriter* writer, IParagraphProperties* properties, INode* node,
                                                    EPropertiesState state)
{
    if (!writer || !properties)
        return;
    m_properties = cloneOf(properties);
    m_node = node;
    m_state = state;
    setWriter(writer);
    writeTabDefinitions();
    writeHorizontalAlignment();
    writeKeepTogether();
    writeKeepWith();
    writeBorders();
    writeHyphenation();
    writeShading();
    writeSpaceBefore();
    writeSpaceAfter();
    writeLineSpacing();
    writeWidowOrphan();
    writeIndents();
    writeDropCap();
    writeParagraphNumbering();
}

template <class Read, class IsOn, class Same>
auto CICFParagraphPropertiesWriter::decide(Read read, IsOn isOn, Same same) const
{
    using Value = std::decay_t<std::invoke_result_t<Read, const IParagraphProperties&>>;
    const Value node = std::invoke(read, *m_properties.get());
    const bool nodeOn = isOn(node);
    Value base{};
    EOnOffType style = kOnOffUndefined;
    bool differs = false;
    if (const IParagraphProperties* baseProperties = m_base.get()) {
        base = std::invoke(read, *baseProperties);
        const bool baseOn = isOn(base);
        style = onOff(baseOn);
        differs = nodeOn && baseOn && !same(node, base);
    }
    TDecision<Value> decision;
    decision.answer = shouldPropWrite(onOff(nodeOn), style, m_state, decision.out, differs);
    decision.value = decision.answer == kPropWriteRestoringStyle ? base : node;
    return decision;
}

bool CICFParagraphPropertiesWriter::isStartState() const
{
    return m_state == kPropertiesOwnValues || m_state == kPropertiesStrandStart || m_state == kPropertiesStyleOn;
}

void CICFParagraphPropertiesWriter::writeTabDefinitions()
{
    if (!isStartState() || !m_properties.get()->getTabs())
        return;
    const auto decision = decide(
        &IParagraphProperties::getTabs, [](const CTabDefinitions* tabs) { return tabs != nullptr; },
        [](const CTabDefinitions* a, const CTabDefinitions* b) { return *a == *b; });
    if (decision.isDue())
        CICFTabRuler(decision.value).write(getWriter());
}

void CICFParagraphPropertiesWriter::writeHorizontalAlignment()
{
    const auto decision = decide(&IParagraphProperties::getHorizontalAlignment,
                                 [](EHorizontalAlignment alignment) { return alignment != kAlignLeft; });
    if (!decision.isDue())
        return;
    // An alignment the format has no command for is left out.
    if (const char* name = decision.isOn() ? alignmentCommand(decision.value) : kCmdJustifyOff)
        writeNoParamCommand(getWriter(), name);
}

void CICFParagraphPropertiesWriter::writeKeepTogether()
{
    const auto decision = decide(&IParagraphProperties::getKeepTogether, [](bool keep) { return keep; });
    if (decision.isDue())
        CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdKeepTogether, {decision.isOn() ? kKeepOn : kKeepOff});
}

void CICFParagraphPropertiesWriter::writeKeepWith()
{
    const auto decision = decide(&IParagraphProperties::getKeepWith,
                                 [](EParagraphKeepWith keepWith) { return keepWith == kKeepWithNext; });
    if (decision.isDue())
        CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdKeepWithNext, {decision.isOn() ? kKeepOn : kKeepOff});
}

void CICFParagraphPropertiesWriter::writeBorders()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getBorders),
                                 [](const CGridBorders& borders) { return !CICFBorders(borders).areAllBordersOff(); });
    if (decision.isDue())
        CICFBorders(decision.value).writePBC(getWriter(), decision.out, kBorderClientParagraph);
}

void CICFParagraphPropertiesWriter::writeHyphenation()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getHyphenation),
                                 [](const CHyphenation& hyphenation) { return hyphenation.isEnabled(); });
    if (!decision.isDue())
        return;
    if (!decision.isOn()) {
        writeNoParamCommand(getWriter(), kCmdHyphenationOff);
        return;
    }
    writeHotZones(decision.value);
    writeNoParamCommand(getWriter(), kCmdHyphenationOn);
}

void CICFParagraphPropertiesWriter::writeHotZones(const CHyphenation& hyphenation)
{
    const auto margin = static_cast<uint32_t>(sectionRightMargin(m_node));
    if (margin == 0)
        return;
    auto percentOfMargin = [margin](uint32_t zone) {
        return static_cast<uint32_t>(static_cast<uint64_t>(zone) * kPercent / margin);
    };
    CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdHyphenationZone,
                                       {kReserved, kReserved, percentOfMargin(hyphenation.getLeftHotZone()),
                                        percentOfMargin(hyphenation.getRightHotZone())});
}

void CICFParagraphPropertiesWriter::writeShading()
{
    // Shadings are not compared: the paragraph's own shading is written.
    const auto decision = decide(
        valueOf(&IParagraphProperties::getShading), [](const CShading& shading) { return CICFShading(shading).isOn(); },
        [](const CShading&, const CShading&) { return true; });
    if (!decision.isDue())
        return;
    CShading own;
    CICFShading(m_properties.get()->getShading(own)).writeSHD(getWriter(), decision.out, kShadingClientParagraph);
}

void CICFParagraphPropertiesWriter::writeSpaceBefore()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getSpaceBefore), isSpaceSet, isSameSpace);
    if (decision.isDue())
        writeSpacing(getWriter(), kCmdSpaceBefore, decision.isOn(), decision.value);
}

void CICFParagraphPropertiesWriter::writeSpaceAfter()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getSpaceAfter), isSpaceSet, isSameSpace);
    if (decision.isDue())
        writeSpacing(getWriter(), kCmdSpaceAfter, decision.isOn(), decision.value);
}

void CICFParagraphPropertiesWriter::writeLineSpacing()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getLineSpacing), [](const CLineSpacing& spacing) {
        return CICFLineSpacing(spacing).getHeightTwips() != 0;
    });
    if (!decision.isDue())
        return;
    const CICFLineSpacing spacing(decision.value);
    if (!decision.isOn())
        CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdLineHeight, {0});
    else if (spacing.getICFLineSpacingType() == 0)
        CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdLineHeight, {spacing.getHeightTwips()});
    else
        CICFCommandWriter::writeDecimalCmd(
            getWriter(), kCmdLineSpacing,
            {kReserved, spacing.getHeightHalfLines(), spacing.getHeightTwips(), kReserved});
}

void CICFParagraphPropertiesWriter::writeWidowOrphan()
{
    const auto decision = decide(valueOf(&IParagraphProperties::getWidowOrphan),
                                 [](const CWidowOrphan& widowOrphan) { return widowOrphan.isEnabled(); });
    if (!decision.isDue())
        return;
    if (decision.isOn())
        CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdWidowOrphanOn, {decision.value.getLinesTogether()});
    else
        writeNoParamCommand(getWriter(), kCmdWidowOrphanOff);
}

void CICFParagraphPropertiesWriter::writeIndents()
{
    if (!isStartState())
        return;
    const auto decision = decide(valueOf(&IParagraphProperties::getIndents), [this](const CIndents& indents) {
        return !CICFIndents(indents).allIndentsAreOff(m_node);
    });
    if (!decision.isDue())
        return;
    CICFIndents indents(decision.value);
    if (!decision.isOn())
        indents.resetIndents();
    indents.write(getWriter(), m_node, m_properties.get()->getTabs(), m_state);
}

void CICFParagraphPropertiesWriter::writeDropCap()
{
    const auto decision =
        decide(valueOf(&IParagraphProperties::getDropCap), [](const CDropCap& dropCap) { return dropCap.isEnabled(); });
    if (!decision.isDue())
        return;
    const CDropCap& dropCap = decision.value;
    CVerticalDimension height, position;
    CFixed percent;
    const int32_t dropHeight = heightInLines(dropCap.getHeight(height));
    const int32_t dropPosition = std::max(heightInLines(dropCap.getVerticalPosition(position)), 0);
    CICFHexParameter noBorders;
    CICFBorders().getIcfBorderCodes(noBorders);
    CICFCommandWriter command;
    command.initialize(getWriter(), kCmdKeepTogether);
    command.writeParameter(CICFDecimalParameter(decision.isOn() ? kDropCapOn : kDropCapOff));
    command.writeParameter(CICFDecimalParameter(static_cast<uint32_t>(dropHeight)));
    command.writeParameter(CICFDecimalParameter(static_cast<uint32_t>(dropPosition)));
    command.writeParameter(CICFDecimalParameter(static_cast<unsigned long>(dropCap.getPercentInMargin(percent))));
    command.writeParameter(CICFDecimalParameter(kReserved));
    command.writeParameter(noBorders);
    command.writeParameter(CICFDecimalParameter(kReserved));
    command.done();
}

void CICFParagraphPropertiesWriter::writeParagraphNumbering()
{
    if (m_state != kPropertiesOwnValues && m_state != kPropertiesStrandStart)
        return;
    CParagraphNumbering* numbering = m_properties.get()->getParagraphNumbering();
    CICFParagraphNumberTracking* tracker = getWriter()->getParagraphNumberTracker();
    if (!numbering || !tracker)
        return;
    if (tracker->addParagraph(*numbering))
        tracker->writePND(getWriter(), *numbering);
    tracker->writePGN(getWriter(), *numbering);
}
