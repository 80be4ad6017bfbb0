// Character changes: every attribute code, both sign conventions, colours,
// languages and fonts.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeChar.h"
#include "core/Exceptions.h"

namespace {

using namespace readertest;

class ChangeCharTest : public ChangeHandlerFixture {};

const std::string kDefaults = describe(CWordStrandProperties());

struct SAttribute {
    uint32_t code;
    std::function<bool(const IStrandProperties&)> isOn;
};

CUnderlining underlineOf(const IStrandProperties& p)
{
    CUnderlining underline;
    return p.getUnderline(underline);
}

bool underlined(const IStrandProperties& p, ELineTypes line, EUnderliningModes mode)
{
    return underlineOf(p) == CUnderlining(line, mode);
}

TEST_F(ChangeCharTest, EveryAttributeCodeTurnsItsAttributeOnAndOff)
{
    const SAttribute attributes[] = {
        {2, [](auto& p) { return p.isBold(); }},
        {3, [](auto& p) { return p.isItalic(); }},
        {4, [](auto& p) { return underlined(p, kLineSingle, kUnderlineContinuous); }},
        {5, [](auto& p) { return underlined(p, kLineDouble, kUnderlineContinuous); }},
        {6, [](auto& p) { return p.getCaseModifier() == kCaseSmallCapitals; }},
        {7, [](auto& p) { return p.isOutline(); }},
        {8, [](auto& p) { return p.isShadow(); }},
        {9, [](auto& p) { return p.getCaseModifier() == kCaseAllCapitals; }},
        {10, [](auto& p) { return p.getScripting() == kScriptingSubscript; }},
        {11, [](auto& p) { return p.getScripting() == kScriptingSuperscript; }},
        {12, [](auto& p) { return p.getStrikeOut() == kStrikeOutSingle; }},
        {13, [](auto& p) { return underlined(p, kLineSingle, kUnderlineWordsOnly); }},
        {14, [](auto& p) { return underlined(p, kLineDotted, kUnderlineContinuous); }},
        {15, [](auto& p) { return p.isHidden(); }},
        {16, [](auto& p) { return p.getCaseModifier() == kCaseLower; }},
        {17, [](auto& p) { return p.getCaseModifier() == kCaseTitle; }},
        {18, [](auto& p) { return p.isProtected(); }},
        {19, [](auto& p) { return p.isRevisionAdded(); }},
        {20, [](auto& p) { return p.isRevisionDeleted(); }},
        {21, [](auto& p) { return p.isFlashing(); }},
        {22, [](auto& p) { return p.isReverse(); }},
        {38, [](auto& p) { return p.isEmbossed(); }},
        {39, [](auto& p) { return p.isEngraved(); }},
        {40, [](auto& p) { return p.getStrikeOut() == kStrikeOutDouble; }},
        {42, [](auto& p) { return underlined(p, kLineThick, kUnderlineContinuous); }},
        {43, [](auto& p) { return underlined(p, kLineDashed, kUnderlineContinuous); }},
        {44, [](auto& p) { return underlined(p, kLineDotDash, kUnderlineContinuous); }},
        {45, [](auto& p) { return underlined(p, kLineDotDotDash, kUnderlineContinuous); }},
        {46, [](auto& p) { return underlined(p, kLineWave, kUnderlineContinuous); }},
    };
    for (const SAttribute& attribute : attributes) {
        SCOPED_TRACE("attribute code " + std::to_string(attribute.code));
        change(8, attribute.code, 1);
        EXPECT_TRUE(attribute.isOn(running()));
        change(8, attribute.code, 2);
        EXPECT_FALSE(attribute.isOn(running())) << "only state 1 is on";
        change(8, attribute.code, 1);
        EXPECT_NE(describe(running()), kDefaults);
        change(8, attribute.code, 0);
        EXPECT_FALSE(attribute.isOn(running()));
        if (attribute.code == 13)
            EXPECT_EQ(underlineOf(running()), CUnderlining(kLineNone, kUnderlineWordsOnly))
                << "word underline off keeps the words-only mode";
        else
            EXPECT_EQ(describe(running()), kDefaults);
    }
    change(8, 3, 1);
    change(8, 3, 0xFFFFFFFF);
    EXPECT_FALSE(running().isItalic()) << "every state but 1 is off";
}

TEST_F(ChangeCharTest, IgnoredAttributeCodesChangeNothing)
{
    for (uint32_t code : {0u, 1u, 23u, 30u, 37u, 41u, 47u, 100u, 0xFFFFFFFFu}) {
        change(8, code, 1);
        EXPECT_EQ(describe(running()), kDefaults) << "code " << code;
    }
}

TEST_F(ChangeCharTest, TurningOneStrikeOutOffLeavesTheOtherStanding)
{
    change(8, 12, 1);
    change(8, 40, 0);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutSingle) << "double off leaves single";
    change(8, 12, 0);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutNone);

    change(8, 40, 1);
    change(8, 12, 0);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutDouble) << "single off leaves double";
    change(8, 12, 1);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutSingle) << "single on replaces double";
    change(8, 40, 0);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutSingle);
    change(8, 40, 1);
    change(8, 40, 0);
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutNone);
}

TEST_F(ChangeCharTest, BackgroundAndAutomaticColours)
{
    change(60, 0, 0x00FF8000);
    change(61, 0, 0x00123456);
    CStrandColor color;
    CColor foreground, background;
    running().getColor(color).getBackground(background);
    EXPECT_EQ(background, CColor(0x56, 0x34, 0x12));
    running().getColor(color).getForeground(foreground);
    EXPECT_EQ(foreground, CColor(0x00, 0x80, 0xFF)) << "the background change keeps the foreground";

    change(60, 1, 0);
    running().getColor(color).getForeground(foreground);
    EXPECT_TRUE(foreground.getAuto());
    change(61, 2, 0x000000FF);
    running().getColor(color).getBackground(background);
    EXPECT_FALSE(background.getAuto()) << "only 1 means automatic";
    EXPECT_EQ(background.getRed(), 0xFF);
}

TEST_F(ChangeCharTest, WidthAdjustmentAndBaselineShiftHaveOppositeSignConventions)
{
    change(62, 1, 6);
    EXPECT_EQ(running().getCharacterWidthAdjustment(), 6) << "width flag 1 is positive";
    change(62, 0, 6);
    EXPECT_EQ(running().getCharacterWidthAdjustment(), -6);
    change(62, 2, 6);
    EXPECT_EQ(running().getCharacterWidthAdjustment(), -6) << "only flag 1 widens";

    change(94, 1, 6);
    EXPECT_EQ(running().getBaselineShift(), -6) << "baseline flag 1 is negative";
    change(94, 0, 6);
    EXPECT_EQ(running().getBaselineShift(), 6);
    change(94, 5, 6);
    EXPECT_EQ(running().getBaselineShift(), -6) << "any non-zero flag lowers";
}

TEST_F(ChangeCharTest, KerningAndLanguage)
{
    change(64, 1, 24);
    EXPECT_EQ(running().getPairKerningStart(), 24u);
    change(64, 2, 24);
    EXPECT_EQ(running().getPairKerningStart(), 0u) << "only 1 turns kerning on";

    CLanguage language;
    change(65, 0x0409);
    running().getLanguage(language);
    EXPECT_EQ(language.getLanguage(), 0x009);
    EXPECT_EQ(language.getSublanguage(), 0x01);
    change(65, 0x1FC1F);
    running().getLanguage(language);
    EXPECT_EQ(language.getLanguage(), 0x01F) << "bits 0 to 9";
    EXPECT_EQ(language.getSublanguage(), 0x3F) << "bits 10 to 15, higher bits dropped";
}

// Fonts are looked up in the document's font table; a font change names a
// main font, or an Asian (slot 1) or low-range (slot 2) one.
TEST_F(ChangeCharTest, FontsOfAnUnknownIdOrSlotAreNotTaken)
{
    CFontDefinition* arial = addFont(1, "Arial");
    CFontDefinition* mincho = addFont(2, "MS Mincho");
    CFontDefinition* courier = addFont(3, "Courier");
    change(10, 1);
    change(119, 2, 1);
    change(119, 3, 2);
    change(119, 1, 3);
    EXPECT_EQ(running().getFontNameAsian(), mincho) << "slot 3 is no slot";
    EXPECT_EQ(running().getFontNameLowRange(), courier);
    EXPECT_EQ(running().getFontName(), arial);

    change(10, 99);
    EXPECT_EQ(running().getFontName(), nullptr) << "an unknown font id gives no font";
    change(119, 99, 1);
    EXPECT_EQ(running().getFontNameAsian(), nullptr);
}

TEST_F(ChangeCharTest, FontChangesOutsideADocumentFail)
{
    INode* loose = own(factory.createNode(kParagraphNode));
    const std::pair<uint32_t, const char*> cases[] = {
        {10, "REQUIRE: pNodeParent != NULL\n\tFile: ChCChar  ln(196)"},
        {119, "REQUIRE: pNodeParent != NULL\n\tFile: ChCChar  ln(277)"},
    };
    for (auto [type, message] : cases) {
        EXPECT_EQ(messageOf<ExNodeParsingError>([&] { handler(type, 1, 1).process(loose); }), message)
            << "type " << type;
    }
}

TEST_F(ChangeCharTest, OtherTypesGivenToTheHandlerDoNothing)
{
    CChangeChar handler;
    for (uint32_t type : {0u, 7u, 11u, 63u, 120u}) {
        handler.setChange(type, 2, 1, 1);
        EXPECT_EQ(handler.process(cursor), 0u);
    }
    EXPECT_EQ(describe(running()), kDefaults);
    EXPECT_EQ(paragraph().getCharset(), kCharSetUnicode);
}

} // namespace
