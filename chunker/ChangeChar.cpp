#include "chunker/ChangeChar.h"

#include "chunker/ChunkerShade.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/DocumentNode.h"
#include "model/FontDefinitionTableNode.h"
#include "model/NodeUtilities.h"

const bool CChangeChar::bCharState[2] = {false, true};

namespace {

enum EChangeType : uint32_t {
    kAttribute = 8,
    kFontSize = 9,
    kFont = 10,
    kCharacterSet = 25,
    kTextColor = 60,
    kBackgroundColor = 61,
    kWidthAdjustment = 62,
    kPairKerning = 64,
    kLanguage = 65,
    kBaselineShift = 94,
    kAdditionalFont = 119,
    kWideStringCharacterSet = 123,
};

// Value 2 of an additional font change: which slot the font fills.
constexpr uint32_t kAsianFont = 1;
constexpr uint32_t kLowRangeFont = 2;

constexpr const char* kNoDocumentForFont = "REQUIRE: pNodeParent != NULL\n\tFile: ChCChar  ln(196)";
constexpr const char* kNoDocumentForAdditionalFont = "REQUIRE: pNodeParent != NULL\n\tFile: ChCChar  ln(277)";

// `value` or its negation, wrapping as the host's 32-bit numbers do.
int32_t signedAmount(uint32_t value, bool negative)
{
    return static_cast<int32_t>(negative ? 0u - value : value);
}

void underline(CWordParagraphNode& paragraph, bool on, ELineTypes line, EUnderliningModes mode = kUnderlineContinuous)
{
    paragraph.setUnderline(CUnderlining(on ? line : kLineNone, mode));
}

void caseModifier(CWordParagraphNode& paragraph, bool on, ECaseModifierTypes modifier)
{
    paragraph.setCaseModifier(on ? modifier : kCaseNone);
}

void scripting(CWordParagraphNode& paragraph, bool on, EScriptingTypes scripting)
{
    paragraph.setScripting(on ? scripting : kScriptingNone);
}

// Turning one strike-out off leaves the other kind standing.
void strikeOut(CWordParagraphNode& paragraph, bool on, EStrikeOutTypes kind, EStrikeOutTypes other)
{
    if (on)
        paragraph.setStrikeOut(kind);
    else if (paragraph.getStrikeOut() != other)
        paragraph.setStrikeOut(kStrikeOutNone);
}

} // namespace

uint32_t CChangeChar::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;

    switch (getChangeType()) {
    case kAttribute:
        setAttribute(*paragraph);
        break;
    case kFontSize:
        paragraph->setFontSize(getValue1());
        break;
    case kFont:
        setFont(*paragraph, kNoDocumentForFont);
        break;
    case kAdditionalFont:
        setFont(*paragraph, kNoDocumentForAdditionalFont);
        break;
    case kCharacterSet:
        paragraph->setCharset(getValue1());
        break;
    case kWideStringCharacterSet:
        paragraph->setWideStringDefaultCharacterSet(getValue1());
        break;
    case kTextColor:
        setColor(*paragraph, true);
        break;
    case kBackgroundColor:
        setColor(*paragraph, false);
        break;
    case kWidthAdjustment:
        // A flag of 1 widens: the amount is positive.
        paragraph->setCharacterWidthAdjustment(CFixed(signedAmount(getValue2(), getValue1() != 1)));
        break;
    case kPairKerning:
        paragraph->setStartPairKerningAt(getValue1() == 1 ? getValue2() : 0);
        break;
    case kLanguage: {
        CLanguage language;
        language.setLanguage(static_cast<uint16_t>(getValue1() & 0x3FF));
        language.setSublanguage(static_cast<uint16_t>((getValue1() >> 10) & 0x3F));
        paragraph->setLanguage(language);
        break;
    }
    case kBaselineShift:
        // The opposite convention of the width adjustment: a non-zero flag
        // lowers, the amount is negative.
        paragraph->setBaselineShift(signedAmount(getValue2(), getValue1() != 0));
        break;
    default:
        break;
    }
    return 0;
}

void CChangeChar::setAttribute(CWordParagraphNode& paragraph)
{
    const uint32_t state = getValue2() > 1 ? 0 : getValue2();
    const bool on = bCharState[state];
    switch (getValue1()) {
    case 2: paragraph.setBold(on); break;
    case 3: paragraph.setItalic(on); break;
    case 4: underline(paragraph, on, kLineSingle); break;
    case 5: underline(paragraph, on, kLineDouble); break;
    case 6: caseModifier(paragraph, on, kCaseSmallCapitals); break;
    case 7: paragraph.setOutline(on); break;
    case 8: paragraph.setShadow(on); break;
    case 9: caseModifier(paragraph, on, kCaseAllCapitals); break;
    case 10: scripting(paragraph, on, kScriptingSubscript); break;
    case 11: scripting(paragraph, on, kScriptingSuperscript); break;
    case 12: strikeOut(paragraph, on, kStrikeOutSingle, kStrikeOutDouble); break;
    case 13: underline(paragraph, on, kLineSingle, kUnderlineWordsOnly); break;
    case 14: underline(paragraph, on, kLineDotted); break;
    case 15: paragraph.setHidden(on); break;
    case 16: caseModifier(paragraph, on, kCaseLower); break;
    case 17: caseModifier(paragraph, on, kCaseTitle); break;
    case 18: paragraph.setProtected(on); break;
    case 19: paragraph.setRevisionAdd(on); break;
    case 20: paragraph.setRevisionDelete(on); break;
    case 21: paragraph.setFlashing(on); break;
    case 22: paragraph.setReverse(on); break;
    case 38: paragraph.setEmbossed(on); break;
    case 39: paragraph.setEngraved(on); break;
    case 40: strikeOut(paragraph, on, kStrikeOutDouble, kStrikeOutSingle); break;
    case 42: underline(paragraph, on, kLineThick); break;
    case 43: underline(paragraph, on, kLineDashed); break;
    case 44: underline(paragraph, on, kLineDotDash); break;
    case 45: underline(paragraph, on, kLineDotDotDash); break;
    case 46: underline(paragraph, on, kLineWave); break;
    default: break; // 23 to 37, 41, and anything below 2 or above 46
    }
}

void CChangeChar::setColor(CWordParagraphNode& paragraph, bool foreground)
{
    // 0x00BBGGRR: red in the low byte.
    CColor color = colorFromHost(getValue2());
    color.setAuto(getValue1() == 1);
    CStrandColor strandColor;
    paragraph.getColor(strandColor);
    if (foreground)
        strandColor.setForeground(color);
    else
        strandColor.setBackground(color);
    paragraph.setColor(strandColor);
}

void CChangeChar::setFont(CWordParagraphNode& paragraph, const char* noDocument)
{
    INode* document = CNodeUtilities::findParent(&paragraph, kDocumentNode);
    if (!document)
        throw ExNodeParsingError(noDocument);
    auto* documentContent = dynamic_cast<IDocumentContent*>(document->getIContent());
    IFontDefinitionTableContent* fonts = documentContent ? documentContent->getFontTable() : nullptr;
    CFontDefinition* font = fonts ? fonts->findFont(getValue1()) : nullptr;

    if (getChangeType() == kFont)
        paragraph.setFontName(font);
    else if (getValue2() == kAsianFont)
        paragraph.setFontNameAsian(font);
    else if (getValue2() == kLowRangeFont)
        paragraph.setFontNameLowRange(font);
}
