#include "icf/ICFStrandPropertiesWriter.h"

#include "icf/ICFBorders.h"
#include "icf/ICFColor.h"
#include "icf/ICFCommand.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFShading.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/FontDefinition.h"
#include "model/StrandProperties.h"

#include <cstdlib>
#include <utility>

namespace {

// -value, wrapping as the machine does: the lowest value stays itself (and
// is then written as a negative amount) instead of overflowing.
int32_t negated(int32_t value)
{
    return static_cast<int32_t>(0u - static_cast<uint32_t>(value));
}

// The "SPF" parameters that precede the font id twice.
constexpr uint32_t kFontIdTag = 10;
// The default-amount flag of "SPS"/"SBS".
constexpr uint32_t kDefaultAmount = 0;
constexpr uint32_t kExplicitAmount = 1;

// The font of a strand counts only with both a font and a size.
struct SFont {
    CFontDefinition* font;
    uint32_t size;

    bool isComplete() const { return font && size != 0; }
    bool operator==(const SFont& other) const { return *font == *other.font && size == other.size; }
};

EOnOffType onWhenNonZero(long value)
{
    return CICFPropertiesWriter::onOff(value != 0);
}

uint8_t compositeOf(const CStrandColor& color)
{
    CColor foreground;
    CColor background;
    return CICFColorUtilities::getComposite(color.getForeground(foreground), color.getBackground(background));
}

template <class Value, class Get>
Value readValue(const IStrandProperties& properties, Get get)
{
    Value value;
    (properties.*get)(value);
    return value;
}

const auto kEqual = [](const auto& a, const auto& b) { return a == b; };

// The ICF commands of each on/off attribute, one row per attribute. Most
// have a command for each state; block protection is one command whose
// parameters give the state. A row without commands is an attribute that
// ICF has no command for.
struct SFlagCommands {
    EStrandFlag flag;
    const char* on;
    const char* off;
    bool stateInParameters = false;
};

constexpr SFlagCommands kFlagCommands[] = {
    {kFlagBold, kCmdBoldOn, kCmdBoldOff},
    {kFlagEmbossed, nullptr, nullptr},
    {kFlagEngraved, nullptr, nullptr},
    {kFlagFlashing, kCmdFlashingOn, kCmdFlashingOff},
    {kFlagHidden, kCmdHiddenOn, kCmdHiddenOff},
    {kFlagItalic, kCmdItalicOn, kCmdItalicOff},
    {kFlagOutline, kCmdOutlineOn, kCmdOutlineOff},
    {kFlagProtected, kCmdBlockProtect, kCmdBlockProtect, true},
    {kFlagReverse, kCmdReverseOn, kCmdReverseOff},
    {kFlagRevisionAdded, kCmdRevisionAddedOn, kCmdRevisionAddedOff},
    // The strand writer puts deleted text inside a deleted-text command.
    {kFlagRevisionDeleted, nullptr, nullptr},
    {kFlagShadow, kCmdShadowOn, kCmdShadowOff},
};

static_assert(coversEveryFlag(kFlagCommands), "one row of ICF commands per on/off attribute");

// The parameters of a command that gives the state: 0 on, 1 off, then a
// fixed 0.
constexpr uint32_t kStateOn = 0;
constexpr uint32_t kStateOff = 1;

// The properties writes in the order they reach the output.
using PropertyWrite = void (CICFStrandPropertiesWriter::*)(EPropertiesState);
constexpr PropertyWrite kPropertyWrites[] = {
    &CICFStrandPropertiesWriter::writeBold,
    &CICFStrandPropertiesWriter::writeFont,
    &CICFStrandPropertiesWriter::writeBaselineShift,
    &CICFStrandPropertiesWriter::writeScripting,
    &CICFStrandPropertiesWriter::writeFlashing,
    &CICFStrandPropertiesWriter::writeHidden,
    &CICFStrandPropertiesWriter::writeItalic,
    &CICFStrandPropertiesWriter::writeOutline,
    &CICFStrandPropertiesWriter::writeProtected,
    &CICFStrandPropertiesWriter::writeReverse,
    &CICFStrandPropertiesWriter::writeRevisionAdded,
    &CICFStrandPropertiesWriter::writeShadow,
    &CICFStrandPropertiesWriter::writeCaseModifier,
    &CICFStrandPropertiesWriter::writeStrikeOut,
    &CICFStrandPropertiesWriter::writeCharacterWidthAdjustment,
    &CICFStrandPropertiesWriter::writeBorders,
    &CICFStrandPropertiesWriter::writeShading,
    &CICFStrandPropertiesWriter::writeLanguage,
    &CICFStrandPropertiesWriter::writeColor,
    &CICFStrandPropertiesWriter::writeUnderline,
};

} // namespace

void CICFStrandPropertiesWriter::reset()
{
    m_properties = nullptr;
    m_strandStyle = nullptr;
    m_paragraphStyle = nullptr;
    m_styleBase = nullptr;
    m_status.reset();
}

void CICFStrandPropertiesWriter::writeProperties(CICFWriter* writer, EPropertiesState state)
{
    if (!writer || !chooseComparisonBase())
        return;
    setWriter(writer);
    for (PropertyWrite write : kPropertyWrites)
        (this->*write)(state);
}

bool CICFStrandPropertiesWriter::chooseComparisonBase()
{
    switch (m_target) {
    case kStrandPropertiesTargetStrand:
        m_base = m_strandStyle ? m_strandStyle : m_paragraphStyle;
        break;
    case kStrandPropertiesTargetStrandStyle:
        m_properties = m_strandStyle;
        m_base = m_styleBase;
        break;
    case kStrandPropertiesTargetParagraphStyle:
        m_properties = m_paragraphStyle;
        m_base = m_styleBase;
        break;
    }
    return m_properties != nullptr;
}

// Reads the property from the strand and from the comparison base (the
// base's value counts as undefined when there is no base, or when `classify`
// says so), asks shouldPropWrite and, on a yes, hands the on/off form and
// the value to write (the base's when the style is restored) to `emit`.
template <class Read, class Classify, class Same, class Emit>
void CICFStrandPropertiesWriter::writeProperty(EPropertiesState state, Read read, Classify classify, Same same,
                                               Emit emit)
{
    if (!m_properties)
        return;
    const auto node = read(*m_properties);
    const auto style = m_base ? read(*m_base) : node;
    const EOnOffType nodeOnOff = classify(node);
    const EOnOffType styleOnOff = m_base ? classify(style) : kOnOffUndefined;
    const bool differs = nodeOnOff == kOnOffOn && styleOnOff == kOnOffOn && !same(node, style);
    EOnOffType out = kOnOffOff;
    const EPropWriteAnswer answer = shouldPropWrite(nodeOnOff, styleOnOff, state, out, differs);
    if (answer != kPropWriteNo)
        emit(out, answer == kPropWriteRestoringStyle ? style : node);
}

// writeProperty for the properties whose written state the status records.
template <class Toggle, class Read, class Classify, class Same, class Emit>
void CICFStrandPropertiesWriter::writeRecorded(EPropertiesState state, Toggle toggle, Read read, Classify classify,
                                               Same same, Emit emit)
{
    writeProperty(state, read, classify, same, [this, toggle, &emit](EOnOffType out, const auto& value) {
        emit(out, value);
        m_status.set(toggle, out);
    });
}

void CICFStrandPropertiesWriter::writeFlagCommands(EPropertiesState state, EStrandFlag flag)
{
    const SFlagCommands& commands = kFlagCommands[flag];
    if (!commands.on)
        return;
    writeRecorded(
        state, flag, [flag](const IStrandProperties& p) { return isFlagSet(p, flag); }, onOff, kEqual,
        [this, &commands](EOnOffType out, bool) {
            if (commands.stateInParameters)
                CICFCommandWriter::writeDecimalCmd(getWriter(), commands.on,
                                                   {out == kOnOffOn ? kStateOn : kStateOff, 0});
            else
                CICFCommandWriter::writeDecimalCmd(getWriter(), out == kOnOffOn ? commands.on : commands.off, {});
        });
}

void CICFStrandPropertiesWriter::writeStrikeOut(EPropertiesState state)
{
    writeRecorded(
        state, kToggleStrikeOut, [](const IStrandProperties& p) { return p.getStrikeOut(); }, onWhenNonZero, kEqual,
        [this](EOnOffType out, EStrikeOutTypes) {
            CICFCommandWriter::writeDecimalCmd(getWriter(), out == kOnOffOn ? kCmdStrikeOutOn : kCmdStrikeOutOff, {});
        });
}

// A font with a zero size, or no font, is not written; a style without both
// is no comparison base.
void CICFStrandPropertiesWriter::writeFont(EPropertiesState state)
{
    auto read = [](const IStrandProperties& p) { return SFont{p.getFontName(), p.getFontSize()}; };
    if (!m_properties || !read(*m_properties).isComplete())
        return;
    auto classify = [](const SFont& font) { return font.isComplete() ? kOnOffOn : kOnOffUndefined; };
    writeProperty(state, read, classify, kEqual, [this](EOnOffType, const SFont& font) {
        // The same bytes as a command writer would write: none while output
        // or command writers are disabled.
        CICFWriter* writer = getWriter();
        if (!writer || !writer->isOutputEnabled() || !CICFCommandWriter::isEnabled())
            return;
        const std::string& command = fontCommand(*font.font, font.size);
        writer->writeByteArray(command.size(), reinterpret_cast<const unsigned char*>(command.data()));
    });
}

const std::string& CICFStrandPropertiesWriter::fontCommand(CFontDefinition& font, uint32_t size)
{
    const auto key = std::make_pair(&font, size);
    const auto found = m_fontCommands.find(key);
    if (found != m_fontCommands.end())
        return found->second.bytes;
    CICFCommand command(kCmdFont);
    for (uint32_t value : {kFontIdTag, font.getID(), kFontIdTag, font.getID(), size})
        command.addParameter(CICFDecimalParameter(value));
    CCharacterString name;
    command.addParameter(CICFStringParameter(font.getName(name)));
    SFontCommand rendered{{}, getWriter()->render(command)};
    rendered.font.reset(&font);
    return m_fontCommands.emplace(key, std::move(rendered)).first->second.bytes;
}

void CICFStrandPropertiesWriter::writeCharacterWidthAdjustment(EPropertiesState state)
{
    writeRecorded(
        state, kToggleWidthAdjustment, [](const IStrandProperties& p) { return p.getCharacterWidthAdjustment(); },
        onWhenNonZero, kEqual,
        [this](EOnOffType out, int32_t adjustment) {
            if (out == kOnOffOn)
                CICFCommandWriter::writeDecimalCmd(
                    getWriter(), kCmdWidthAdjustmentOn,
                    {adjustment >= 0 ? 1u : 0u, static_cast<uint32_t>(std::labs(adjustment))});
            else
                CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdWidthAdjustmentOff, {});
        });
}

void CICFStrandPropertiesWriter::writeColor(EPropertiesState state)
{
    writeRecorded(
        state, kToggleColor,
        [](const IStrandProperties& p) { return readValue<CStrandColor>(p, &IStrandProperties::getColor); },
        [](const CStrandColor& color) { return onWhenNonZero(compositeOf(color)); },
        [](const CStrandColor& a, const CStrandColor& b) { return compositeOf(a) == compositeOf(b); },
        [this](EOnOffType out, const CStrandColor& color) {
            if (out != kOnOffOn) {
                CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdColor, {0, 0, 0, 0});
                return;
            }
            CColor foreground;
            color.getForeground(foreground);
            CICFCommandWriter::writeDecimalCmd(
                getWriter(), kCmdColor,
                {compositeOf(color), foreground.getRed(), foreground.getGreen(), foreground.getBlue()});
        });
}

void CICFStrandPropertiesWriter::writeLanguage(EPropertiesState state)
{
    writeRecorded(
        state, kToggleLanguage,
        [](const IStrandProperties& p) { return readValue<CLanguage>(p, &IStrandProperties::getLanguage); },
        [](const CLanguage& language) { return onWhenNonZero(language.getMSWinComposite()); }, kEqual,
        [this](EOnOffType out, const CLanguage& language) {
            CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdLanguage,
                                               {out == kOnOffOn ? language.getMSWinComposite() : 0u});
        });
}

void CICFStrandPropertiesWriter::writeUnderline(EPropertiesState state)
{
    writeRecorded(
        state, kToggleUnderline,
        [](const IStrandProperties& p) { return readValue<CUnderlining>(p, &IStrandProperties::getUnderline); },
        [](const CUnderlining& underline) { return onWhenNonZero(underline.getLineType()); }, kEqual,
        [this](EOnOffType out, const CUnderlining& underline) {
            if (out == kOnOffOn)
                CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdUnderlineOn,
                                                   {underline.getUnderlineMode() != 0 ? 1u : 0u,
                                                    CICFBorderCodes::getICFBorderCode(underline.getLineType())});
            else
                CICFCommandWriter::writeDecimalCmd(getWriter(), kCmdUnderlineOff, {});
        });
}

// The strand's own shading is written even when the style's is restored.
void CICFStrandPropertiesWriter::writeShading(EPropertiesState state)
{
    writeRecorded(
        state, kToggleShading,
        [](const IStrandProperties& p) { return CICFShading(readValue<CShading>(p, &IStrandProperties::getShading)); },
        [](const CICFShading& shading) { return onOff(shading.isOn()); }, kEqual,
        [this](EOnOffType out, const CICFShading&) {
            CICFShading own(readValue<CShading>(*m_properties, &IStrandProperties::getShading));
            own.writeSHD(getWriter(), out, kShadingClientStrand);
        });
}

void CICFStrandPropertiesWriter::writeBorders(EPropertiesState state)
{
    writeRecorded(
        state, kToggleBorders,
        [](const IStrandProperties& p) {
            return CICFBorders(readValue<CRectangularBorders>(p, &IStrandProperties::getBorders));
        },
        [](const CICFBorders& borders) { return onOff(!borders.areAllBordersOff()); }, kEqual,
        [this](EOnOffType out, const CICFBorders& borders) {
            borders.writePBC(getWriter(), out, kBorderClientStrand);
        });
}

// Closes an open superscript and subscript; true when something was open.
bool CICFStrandPropertiesWriter::closeOpenScripting()
{
    bool closed = false;
    for (EScriptingTypes type : {kScriptingSuperscript, kScriptingSubscript}) {
        const EOnOffType written =
            type == kScriptingSuperscript ? m_status.getSuperscriptSPS() : m_status.getSubscriptSBS();
        if (written == kOnOffOn) {
            writeIcfScripting(type, 0, true, kOnOffOff);
            closed = true;
        }
    }
    return closed;
}

void CICFStrandPropertiesWriter::writeScripting(EPropertiesState state)
{
    writeProperty(
        state, [](const IStrandProperties& p) { return p.getScripting(); }, onWhenNonZero, kEqual,
        [this](EOnOffType out, EScriptingTypes type) {
            const bool closed = closeOpenScripting();
            const uint32_t written = type == kScriptingSuperscript ? kScriptingSuperscript : kScriptingSubscript;
            if (out == kOnOffOn || !closed)
                writeIcfScripting(written, 0, true, out);
        });
}

// A shift above the baseline is a superscript, any other a subscript, by
// the amount of the strand's own shift.
void CICFStrandPropertiesWriter::writeBaselineShift(EPropertiesState state)
{
    writeProperty(
        state, [](const IStrandProperties& p) { return p.getBaselineShift(); }, onWhenNonZero, kEqual,
        [this](EOnOffType out, int32_t) {
            closeOpenScripting();
            if (out != kOnOffOn)
                return;
            const int32_t shift = m_properties->getBaselineShift();
            if (shift > 0)
                writeIcfScripting(kScriptingSuperscript, shift, false, kOnOffOn);
            else
                writeIcfScripting(kScriptingSubscript, negated(shift), false, kOnOffOn);
        });
}

void CICFStrandPropertiesWriter::writeCaseModifier(EPropertiesState state)
{
    writeProperty(
        state, [](const IStrandProperties& p) { return p.getCaseModifier(); }, onWhenNonZero, kEqual,
        [this](EOnOffType out, ECaseModifierTypes type) {
            bool closed = true;
            if (m_status.getCaseBCS() == kOnOffOn)
                writeIcfCaseModifier(kCaseSmallCapitals, kOnOffOff);
            else if (m_status.getCaseBCU() == kOnOffOn)
                writeIcfCaseModifier(kCaseAllCapitals, kOnOffOff);
            else
                closed = false;
            if (out == kOnOffOn || !closed)
                writeIcfCaseModifier(type, out);
        });
}

void CICFStrandPropertiesWriter::writeIcfScripting(uint32_t type, int32_t amount, bool isDefault, EOnOffType onOrOff)
{
    const bool superscript = type == kScriptingSuperscript;
    if (superscript)
        m_status.setSuperscriptSPS(onOrOff);
    else
        m_status.setSubscriptSBS(onOrOff);
    if (onOrOff != kOnOffOn) {
        CICFCommandWriter::writeDecimalCmd(getWriter(), superscript ? kCmdSuperscriptOff : kCmdSubscriptOff, {});
        return;
    }
    const char* name = superscript ? kCmdSuperscriptOn : kCmdSubscriptOn;
    if (amount == 0 && isDefault)
        CICFCommandWriter::writeDecimalCmd(getWriter(), name, {});
    else
        CICFCommandWriter::writeDecimalCmd(
            getWriter(), name,
            {static_cast<uint32_t>(amount < 0 ? 0 : amount), isDefault ? kDefaultAmount : kExplicitAmount});
}

void CICFStrandPropertiesWriter::writeIcfCaseModifier(uint32_t type, EOnOffType onOrOff)
{
    const bool on = onOrOff == kOnOffOn;
    switch (type) {
    case kCaseSmallCapitals:
        CICFCommandWriter::writeDecimalCmd(getWriter(), on ? kCmdSmallCapsOn : kCmdSmallCapsOff, {});
        m_status.setCaseBCS(onOrOff);
        break;
    case kCaseAllCapitals:
        CICFCommandWriter::writeDecimalCmd(getWriter(), on ? kCmdUpperCaseOn : kCmdUpperCaseOff, {});
        m_status.setCaseBCU(onOrOff);
        break;
    default:
        break;
    }
}
