#include "icf/ICFParagraphNumberTracking.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFNumberMakers.h"
#include "icf/ICFParameter.h"
#include "icf/ICFStrandUtilities.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/NumberingLevelDefinition.h"
#include "model/ParagraphNumbering.h"
#include "model/StyleContent.h"

#include <map>
#include <string>

namespace {

// The step of a level that has no definition: that of a new definition.
constexpr uint32_t kDefaultCountBy = 1;
constexpr uint32_t kReserved = 0;
// The "PND" values of a level the list does not describe.
constexpr uint32_t kUndescribedStart = 1;
constexpr uint32_t kUndescribedType = 0;
// The last "PND" value of a level: 1 when the level above it is described.
constexpr uint32_t kLevelAboveDescribed = 1;
constexpr uint32_t kLevelAboveUndescribed = 0;

// The number types of "PND"; a type not listed is given as 0.
struct SICFNumberType {
    ENumberingTypes type;
    uint32_t code;
};
constexpr SICFNumberType kICFNumberTypes[] = {
    {kNumberingNone, 6},       {kNumberingLowerLetters, 2}, {kNumberingUpperLetters, 3},  {kNumberingLowerRoman, 4},
    {kNumberingUpperRoman, 5}, {kNumberingOrdinal, 8},      {kNumberingCardinalWords, 9}, {kNumberingOrdinalWords, 7},
};
constexpr uint32_t kOtherICFNumberType = 0;

uint32_t icfNumberType(ENumberingTypes type)
{
    for (const SICFNumberType& entry : kICFNumberTypes) {
        if (entry.type == type)
            return entry.code;
    }
    return kOtherICFNumberType;
}

bool hasLevelDefinitions(const IListStyleContent* list)
{
    return list && !list->getNumberingLevelDefinitions().empty();
}

// Switches the number's character formatting on (strand start) or back
// (strand end) against the paragraph's; nothing without formatting.
void switchNumberProperties(CICFWriter* writer, IStrandProperties* properties, EPropertiesState state)
{
    CICFStrandPropertiesWriter* strandWriter = writer->getStrandPropertiesWriter();
    if (!properties || !strandWriter)
        return;
    strandWriter->setStrandProperties(properties);
    strandWriter->setPropertiesTarget(kStrandPropertiesTargetStrand);
    strandWriter->writeProperties(writer, state);
}

// The six "PND" values of a level the list describes: its current number,
// the text before the number, the number type, the text after it, and
// whether the level above is described too.
void writeLevelDescription(CICFCommandWriter& command, CICFWriter* writer, uint32_t current, CNumberingStyle& style,
                           bool levelAboveDescribed)
{
    command.writeParameter(CICFDecimalParameter(current));
    CICFStrandUtilities::writeTextOnly(writer, style.getPrefixStrandContents());
    command.writeParameter(CICFNullParameter());
    command.writeParameter(CICFDecimalParameter(icfNumberType(style.getNumberingType())));
    command.writeParameter(CICFDecimalParameter(kReserved));
    CICFStrandUtilities::writeTextOnly(writer, style.getSuffixStrandContents());
    command.writeParameter(CICFNullParameter());
    command.writeParameter(CICFDecimalParameter(levelAboveDescribed ? kLevelAboveDescribed : kLevelAboveUndescribed));
}

void writeUndescribedLevel(CICFCommandWriter& command)
{
    command.writeParameter(CICFDecimalParameter(kUndescribedStart));
    command.writeParameter(CICFNullParameter());
    command.writeParameter(CICFDecimalParameter(kUndescribedType));
    command.writeParameter(CICFDecimalParameter(kReserved));
    command.writeParameter(CICFNullParameter());
    command.writeParameter(CICFDecimalParameter(kLevelAboveDescribed));
}

} // namespace

bool CICFParagraphNumberTracking::addParagraph(CParagraphNumbering& numbering)
{
    IListStyleContent* list = numbering.getListStyle();
    if (!list)
        return false;
    const auto [entry, isNew] = m_lists.try_emplace(list->getID());
    CICFParagraphCounts& counts = entry->second;
    if (isNew) {
        for (const CNumberingLevelDefinition* definition : list->getNumberingLevelDefinitions())
            counts.setStartingNumberForLevel(definition->getLevel(), definition->getStartAtNumber());
    }
    const uint32_t level = numbering.getLevel();
    if (numbering.isRestartNumberingOn()) {
        counts.setLevel(level, numbering.getRestartNumberingAt());
    } else {
        const CNumberingLevelDefinition* definition = numbering.getNumberingLevelDefinition();
        counts.incrementLevel(level, definition ? definition->getCountBy() : kDefaultCountBy);
    }
    return isNew;
}

// The levels described are 1 to the number of definitions (a definition of
// level 0 not counted); a level without a definition or without a number
// style of its own is described as undefined.
void CICFParagraphNumberTracking::writePND(CICFWriter* writer, CParagraphNumbering& numbering)
{
    const IListStyleContent* list = numbering.getListStyle();
    if (!writer || !hasLevelDefinitions(list))
        return;
    // The first definition of each level, found once: a damaged list may
    // hold many definitions.
    std::map<uint32_t, CNumberingLevelDefinition*> definitions;
    for (CNumberingLevelDefinition* definition : list->getNumberingLevelDefinitions())
        definitions.try_emplace(definition->getLevel(), definition);
    uint64_t levels = list->getNumberingLevelDefinitions().size();
    if (definitions.count(0) != 0)
        --levels;
    const CICFParagraphCounts* counts = findCounts(numbering);

    CICFCommandWriter command;
    command.initialize(writer, kCmdNumberDefinition);
    command.writeParameter(CICFDecimalParameter(levels));
    bool levelAboveDescribed = false;
    for (uint64_t level = 1; level <= levels; ++level) {
        const auto shown = static_cast<uint32_t>(level);
        const auto found = definitions.find(shown);
        CNumberingLevelDefinition* definition = found == definitions.end() ? nullptr : found->second;
        CNumberingStyle* style = locateNumberingStyle(definition, shown);
        if (style) {
            const bool counted = counts && counts->isParagraphCountSet(shown);
            const uint32_t current = counted ? counts->getParagraphCount(shown) : definition->getStartAtNumber();
            writeLevelDescription(command, writer, current, *style, levelAboveDescribed);
        } else {
            writeUndescribedLevel(command);
        }
        levelAboveDescribed = style != nullptr;
    }
    command.done();
}

void CICFParagraphNumberTracking::writePGN(CICFWriter* writer, CParagraphNumbering& numbering)
{
    if (!writer || !hasLevelDefinitions(numbering.getListStyle()))
        return;
    IStrandProperties* properties = getGeneratedNumberProps(numbering);
    switchNumberProperties(writer, properties, kPropertiesStrandStart);
    CICFCommandWriter::writeDecimalCmd(writer, kCmdNumberOn, {numbering.getLevel()});
    writeNumberingString(writer, numbering);
    CICFCommandWriter().writeNoParamCmd(writer, kCmdNumberOff);
    switchNumberProperties(writer, properties, kPropertiesStrandEnd);
}

void CICFParagraphNumberTracking::writeNumberingString(CICFWriter* writer, CParagraphNumbering& numbering)
{
    const IListStyleContent* list = numbering.getListStyle();
    const CNumberingLevelDefinition* definition = numbering.getNumberingLevelDefinition();
    if (!writer || !list || !definition)
        return;
    const CICFParagraphCounts* counts = findCounts(numbering);
    for (CNumberingStyle* style : definition->getNumberingStyles()) {
        CICFStrandUtilities::writeStrands(style->getPrefixStrandContents());
        IStrandProperties* properties = style->getGeneratedNumberProps();
        switchNumberProperties(writer, properties, kPropertiesStrandStart);
        writeNumberText(writer, *list, *style, counts ? counts->getParagraphCount(style->getLevel()) : 0);
        switchNumberProperties(writer, properties, kPropertiesStrandEnd);
        CICFStrandUtilities::writeStrands(style->getSuffixStrandContents());
    }
}

void CICFParagraphNumberTracking::writeNumberText(CICFWriter* writer, const IListStyleContent& list,
                                                  const CNumberingStyle& style, uint32_t number)
{
    ENumberingTypes type = style.getNumberingType();
    if (type == kNumberingAsLevel)
        type = locateNumberingType(list, style.getLevel());
    std::string text;
    switch (type) {
    case kNumberingNone:
        return;
    case kNumberingLowerLetters:
    case kNumberingUpperLetters:
        text = CICFNumberMakers::createAlphaNumbers(number, type == kNumberingUpperLetters);
        break;
    case kNumberingLowerRoman:
    case kNumberingUpperRoman:
        text = CICFNumberMakers::createRomanNumbers(number, type == kNumberingUpperRoman);
        break;
    case kNumberingOrdinal:
        text = CICFNumberMakers::createOrdinalNumbers(number);
        break;
    case kNumberingCardinalWords:
        text = CICFNumberMakers::createCardinalTextNumbers(number);
        break;
    case kNumberingOrdinalWords:
        text = CICFNumberMakers::createOrdinalTextNumbers(number);
        break;
    default:
        // Decimal, and any type this writer does not know.
        writer->writeAsciiDecimal(number);
        return;
    }
    writer->writeByteArray(text.size(), reinterpret_cast<const unsigned char*>(text.data()));
}

CNumberingLevelDefinition* CICFParagraphNumberTracking::locateNumberingLevelDefinition(const IListStyleContent& list,
                                                                                       uint32_t level)
{
    for (CNumberingLevelDefinition* definition : list.getNumberingLevelDefinitions()) {
        if (definition->getLevel() == level)
            return definition;
    }
    return nullptr;
}

CNumberingStyle* CICFParagraphNumberTracking::locateNumberingStyle(const CNumberingLevelDefinition* definition,
                                                                   uint32_t level)
{
    if (!definition)
        return nullptr;
    for (CNumberingStyle* style : definition->getNumberingStyles()) {
        if (style->getLevel() == level)
            return style;
    }
    return nullptr;
}

ENumberingTypes CICFParagraphNumberTracking::locateNumberingType(const IListStyleContent& list, uint32_t level)
{
    const CNumberingStyle* style = locateNumberingStyle(locateNumberingLevelDefinition(list, level), level);
    if (!style || style->getNumberingType() == kNumberingAsLevel)
        return kNumberingDecimal;
    return style->getNumberingType();
}

IStrandProperties* CICFParagraphNumberTracking::getGeneratedNumberProps(const CParagraphNumbering& numbering)
{
    CNumberingStyle* style = locateNumberingStyle(numbering.getNumberingLevelDefinition(), numbering.getLevel());
    if (!style)
        return nullptr;
    if (IStrandProperties* properties = style->getGeneratedNumberProps())
        return properties;
    return locateFirstStrandProps(*style);
}

IStrandProperties* CICFParagraphNumberTracking::locateFirstStrandProps(CNumberingStyle& style)
{
    for (const CStrandContentList* strands : {&style.getPrefixStrandContents(), &style.getSuffixStrandContents()}) {
        if (!strands->empty())
            return (*strands->begin())->getProperties();
    }
    return nullptr;
}

const CICFParagraphCounts* CICFParagraphNumberTracking::findCounts(const CParagraphNumbering& numbering) const
{
    const IListStyleContent* list = numbering.getListStyle();
    if (!list)
        return nullptr;
    const auto found = m_lists.find(list->getID());
    return found == m_lists.end() ? nullptr : &found->second;
}
