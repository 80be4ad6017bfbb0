#include "chunker/ChangeChar.h"

#include "chunker/ChunkerShade.h"
#include "chunker/HostAttributeCodes.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/DocumentNode.h"
#include "model/FontDefinitionTableNode.h"
#include "model/NodeUtilities.h"
#include "trx/changes.h"

const bool CChangeChar::bCharState[2] = {false, true};

namespace {

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
    case CHCHANGE_ATTRIBUTE:
        setAttribute(*paragraph);
        break;
    case CHCHANGE_FONT_SIZE:
        paragraph->setFontSize(getValue1());
        break;
    case CHCHANGE_FONT:
        setFont(*paragraph, kNoDocumentForFont);
        break;
    case CHCHANGE_ADDITIONAL_FONT:
        setFont(*paragraph, kNoDocumentForAdditionalFont);
        break;
    case CHCHANGE_CHARACTER_SET:
        paragraph->setCharset(getValue1());
        break;
    case CHCHANGE_WIDE_CHARACTER_SET:
        paragraph->setWideStringDefaultCharacterSet(getValue1());
        break;
    case CHCHANGE_TEXT_COLOR:
        setColor(*paragraph, true);
        break;
    case CHCHANGE_BACKGROUND_COLOR:
        setColor(*paragraph, false);
        break;
    case CHCHANGE_WIDTH_ADJUSTMENT:
        // A flag of 1 widens: the amount is positive.
        paragraph->setCharacterWidthAdjustment(CFixed(signedAmount(getValue2(), getValue1() != 1)));
        break;
    case CHCHANGE_PAIR_KERNING:
        paragraph->setStartPairKerningAt(getValue1() == 1 ? getValue2() : 0);
        break;
    case CHCHANGE_LANGUAGE: {
        CLanguage language;
        language.setLanguage(static_cast<uint16_t>(getValue1() & 0x3FF));
        language.setSublanguage(static_cast<uint16_t>((getValue1() >> 10) & 0x3F));
        paragraph->setLanguage(language);
        break;
    }
    case CHCHANGE_BASELINE_SHIFT:
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
    const uint32_t code = getValue1();
    ECaseModifierTypes modifier;
    if (const SHostFlagCode* flag = flagOfHostCode(code))
        (paragraph.*flag->set)(on);
    else if (caseOfHostCode(code, modifier))
        paragraph.setCaseModifier(on ? modifier : kCaseNone);
    else
        setManyValuedAttribute(paragraph, code, on);
}

void CChangeChar::setManyValuedAttribute(CWordParagraphNode& paragraph, uint32_t code, bool on)
{
    switch (code) {
    case CHATTR_UNDERLINE:
        underline(paragraph, on, kLineSingle);
        break;
    case CHATTR_DOUBLE_UNDERLINE:
        underline(paragraph, on, kLineDouble);
        break;
    case CHATTR_WORD_UNDERLINE:
        underline(paragraph, on, kLineSingle, kUnderlineWordsOnly);
        break;
    case CHATTR_DOTTED_UNDERLINE:
        underline(paragraph, on, kLineDotted);
        break;
    case CHATTR_THICK_UNDERLINE:
        underline(paragraph, on, kLineThick);
        break;
    case CHATTR_DASH_UNDERLINE:
        underline(paragraph, on, kLineDashed);
        break;
    case CHATTR_DOT_DASH_UNDERLINE:
        underline(paragraph, on, kLineDotDash);
        break;
    case CHATTR_DOT_DOT_DASH_UNDERLINE:
        underline(paragraph, on, kLineDotDotDash);
        break;
    case CHATTR_WAVE_UNDERLINE:
        underline(paragraph, on, kLineWave);
        break;
    case CHATTR_SUBSCRIPT:
        scripting(paragraph, on, kScriptingSubscript);
        break;
    case CHATTR_SUPERSCRIPT:
        scripting(paragraph, on, kScriptingSuperscript);
        break;
    case CHATTR_STRIKEOUT:
        strikeOut(paragraph, on, kStrikeOutSingle, kStrikeOutDouble);
        break;
    case CHATTR_DOUBLE_STRIKEOUT:
        strikeOut(paragraph, on, kStrikeOutDouble, kStrikeOutSingle);
        break;
    default:
        break; // codes that name an attribute only in a style relation, and unknown codes
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

    if (getChangeType() == CHCHANGE_FONT)
        paragraph.setFontName(font);
    else if (getValue2() == kAsianFont)
        paragraph.setFontNameAsian(font);
    else if (getValue2() == kLowRangeFont)
        paragraph.setFontNameLowRange(font);
}
