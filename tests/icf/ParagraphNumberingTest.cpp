// Paragraph numbers: the number texts at their edges, the running counts of
// a list, and the list description and number commands of numbered
// paragraphs written from a hand-built list.
#include "icf/ICFNumberMakers.h"
#include "icf/ICFParagraphCounts.h"
#include "icf/ICFParagraphNumberTracking.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/CountedReference.h"
#include "model/ListStyleNode.h"
#include "model/NodeCast.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphNumbering.h"
#include "model/ParagraphProperties.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kMaxCount = 0xFFFFFFFF;

struct SNumberTexts {
    uint32_t number;
    std::string upperLetters;
    std::string upperRoman;
    std::string ordinal;
    std::string cardinalWords;
    std::string ordinalWords;
};

TEST(NumberMakersTest, TextsAtTheEdgesOfEachRange)
{
    const SNumberTexts cases[] = {
        {0, "", "0", "0th", "Zero", "Zeroth"},
        {1, "A", "I", "1st", "One", "First"},
        {9, "I", "IX", "9th", "Nine", "Nineth"},
        {11, "K", "XI", "11th", "Eleven", "Eleventh"},
        {12, "L", "XII", "12th", "Twelve", "Twelfth"},
        {19, "S", "XIX", "19th", "Nineteen", "Nineteenth"},
        {20, "T", "XX", "20th", "Twenty", "Twentieth"},
        {21, "U", "XXI", "21st", "Twenty-One", "Twenty-First"},
        {22, "V", "XXII", "22nd", "Twenty-Two", "Twenty-Second"},
        {27, "AA", "XXVII", "27th", "Twenty-Seven", "Twenty-Seventh"},
        {53, "AAA", "LIII", "53rd", "Fifty-Three", "Fifty-Third"},
        {99, "UUUU", "XCIX", "99th", "Ninety-Nine", "Ninety-Nineth"},
        {100, "VVVV", "C", "100th", "One hundred", "One hundredth"},
        {111, "GGGGG", "CXI", "111th", "One hundred Eleven", "One hundred Eleventh"},
        {300, std::string(12, 'N'), "CCC", "300th", "Three hundred", "Three hundredth"},
        {999, std::string(39, 'K'), "CMXCIX", "999th", "Nine hundred Ninety-Nine", "Nine hundred Ninety-Nineth"},
        {1000, std::string(39, 'L'), "M", "1000th", "One thousand", "One thousandth"},
        {1001, std::string(39, 'M'), "MI", "1001st", "One thousand One", "One thousand First"},
        {1234, std::string(48, 'L'), "MCCXXXIV", "1234th", "One thousand Two hundred Thirty-Four",
         "One thousand Two hundred Thirty-Fourth"},
        {1999, std::string(77, 'W'), "MCMXCIX", "1999th", "One thousand Nine hundred Ninety-Nine",
         "One thousand Nine hundred Ninety-Nineth"},
        {26000, std::string(1000, 'Z'), "MMMMMMMMMMMMMMMMMMMMMMMMMM", "26000th", "Twenty-Six thousand",
         "Twenty-Six thousandth"},
        // From here on a letter would repeat more than a thousand times.
        {26001, "26001", "MMMMMMMMMMMMMMMMMMMMMMMMMMI", "26001st", "Twenty-Six thousand One",
         "Twenty-Six thousand First"},
        {1000000, "1000000", std::string(1000, 'M'), "1000000th", "One million", "One millionth"},
        {1000000000, "1000000000", std::string(1000000, 'M'), "1000000000th", "One thousand million",
         "One thousand millionth"},
        {kMaxCount, "4294967295", std::string(4294967, 'M') + "CCXCV", "4294967295th",
         "Four thousand Two hundred Ninety-Four million Nine hundred Sixty-Seven thousand Two hundred Ninety-Five",
         "Four thousand Two hundred Ninety-Four million Nine hundred Sixty-Seven thousand Two hundred Ninety-Fifth"},
    };
    for (const SNumberTexts& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(CICFNumberMakers::createAlphaNumbers(c.number, true), c.upperLetters);
        EXPECT_EQ(CICFNumberMakers::createRomanNumbers(c.number, true), c.upperRoman);
        EXPECT_EQ(CICFNumberMakers::createOrdinalNumbers(c.number), c.ordinal);
        EXPECT_EQ(CICFNumberMakers::createCardinalTextNumbers(c.number), c.cardinalWords);
        EXPECT_EQ(CICFNumberMakers::createOrdinalTextNumbers(c.number), c.ordinalWords);
    }
    EXPECT_EQ(CICFNumberMakers::createAlphaNumbers(27, false) + CICFNumberMakers::createAlphaNumbers(26001, false),
              "aa26001");
    EXPECT_EQ(CICFNumberMakers::createRomanNumbers(1999, false), "mcmxcix");
}

TEST(ParagraphCountsTest, CountsWrapAndLevelsAboveFifteenAreIgnored)
{
    CICFParagraphCounts counts;
    counts.setStartingNumberForLevel(2, kMaxCount);
    counts.incrementLevel(2, 1);
    counts.incrementLevel(2, 2);
    EXPECT_EQ(counts.getParagraphCount(2), 1u) << "the start, then two more";
    counts.setLevel(16, 7);
    counts.markLevelsAsSet(kMaxCount);
    EXPECT_EQ(counts.getParagraphCount(16), 0u);
    EXPECT_FALSE(counts.isParagraphCountSet(3));
}

// A list with "1." and "1.a)" at levels 1 and 2, the second level showing
// the first in the first level's own type; beside them a level 0 and a
// level 5 definition, which the description does not show.
class ParagraphNumberingTest : public ICFOutputFixture {
protected:
    ParagraphNumberingTest()
    {
        makeNodes<CListStyleNode, CParagraphNode, CTextStrandNode>();
        writer.initialize(&stream, registrar());
        list = &makeList(7);
        addStyle(addLevel(*list, 1), 1, kNumberingDecimal, ".");
        CNumberingLevelDefinition& second = addLevel(*list, 2);
        addStyle(second, 1, kNumberingAsLevel, ".");
        addStyle(second, 2, kNumberingLowerLetters, ")");
        addLevel(*list, 0);
        addLevel(*list, 5);
    }

    ~ParagraphNumberingTest() override { std::for_each(lists.begin(), lists.end(), std::mem_fn(&INode::release)); }

    CListStyleNode& makeList(uint32_t id)
    {
        lists.push_back(factory.createNode(kListStyleNode));
        auto& made = nodeAs<CListStyleNode>(lists.back());
        made.setID(id);
        return made;
    }

    static CNumberingLevelDefinition& addLevel(CListStyleNode& to, uint32_t level)
    {
        auto definition = makeCounted<CNumberingLevelDefinition>();
        definition->setLevel(level);
        to.addNumberingLevelDefinition(definition.get());
        return *definition.get();
    }

    CNumberingStyle& addStyle(CNumberingLevelDefinition& definition, uint32_t level, ENumberingTypes type,
                              const char* suffix)
    {
        auto style = makeCounted<CNumberingStyle>();
        style->setLevel(level);
        style->setNumberingType(type);
        style->addSuffixStrandContent(text(suffix));
        definition.addNumberingStyle(style.get());
        return *style.get();
    }

    IStrandContent* text(const char* characters, IStrandProperties* properties = nullptr)
    {
        auto& strand = nodeAs<CTextStrandNode>(factory.createNode(kTextStrandNode));
        strand.setText(CCharacterString(characters, kCharSetCp1252));
        strand.setProperties(properties);
        return &strand;
    }

    TCountedReference<CParagraphNumbering> numbering(uint32_t level, IListStyleContent* style = nullptr)
    {
        auto numbering = makeCounted<CParagraphNumbering>();
        numbering->setListStyle(style ? style : list);
        numbering->setLevel(level);
        return numbering;
    }

    // The output of a numbered paragraph without text or formatting.
    std::string paragraph(CParagraphNumbering* numbering)
    {
        INode* node = factory.createNode(kParagraphNode);
        auto properties = makeCounted<CParagraphProperties>();
        properties->setParagraphNumbering(numbering);
        dynamic_cast<IParagraphContent&>(*node->getIContent()).setProperties(properties.get());
        node->getNodeWriter()->write();
        node->release();
        std::string bytes;
        bytes.swap(output());
        return bytes;
    }

    static std::string number(const std::string& level, const std::string& text)
    {
        return CI "PGN" + level + PE CE + text + CI "EPN" CE;
    }

    std::vector<INode*> lists;
    CListStyleNode* list = nullptr;
};

TEST_F(ParagraphNumberingTest, ListIsDescribedOnceAndLevelsCountOnAndStartOver)
{
    auto first = numbering(1);
    auto second = numbering(2);
    const std::string description = CI "PND" "3" PE
                                    // level 1: current 1, no prefix, decimal, suffix ".", no level above
                                    "1" PE PE "0" PE "0" PE "." PE "0" PE
                                    // level 2: its start, lower letters, suffix ")", level 1 described
                                    "1" PE PE "2" PE "0" PE ")" PE "1" PE
                                    // level 3: no definition
                                    "1" PE PE "0" PE "0" PE PE "1" PE CE;
    EXPECT_EQ(paragraph(first.get()), description + number("1", "1."));
    EXPECT_EQ(paragraph(first.get()), number("1", "2."));
    EXPECT_EQ(paragraph(second.get()), number("2", "2.a)"));
    EXPECT_EQ(paragraph(second.get()), number("2", "2.b)"));
    EXPECT_EQ(paragraph(first.get()), number("1", "3."));
    EXPECT_EQ(paragraph(second.get()), number("2", "3.a)"));
}

TEST_F(ParagraphNumberingTest, RestartAndCountByAndSecondList)
{
    list->getNumberingLevelDefinitions().front()->setCountBy(10);
    auto plain = numbering(1);
    auto restart = numbering(1);
    restart->setRestartNumbering(true);
    restart->setRestartNumberingAt(5);
    EXPECT_EQ(paragraph(plain.get()).substr(0, 5), CI "PND");
    EXPECT_EQ(paragraph(plain.get()), number("1", "11."));
    EXPECT_EQ(paragraph(restart.get()), number("1", "5."));
    EXPECT_EQ(paragraph(plain.get()), number("1", "15."));

    CListStyleNode& other = makeList(8);
    CNumberingLevelDefinition& level = addLevel(other, 1);
    level.setStartAtNumber(3);
    addStyle(level, 1, kNumberingUpperRoman, "");
    EXPECT_EQ(paragraph(numbering(1, &other).get()),
              CI "PND" "1" PE "3" PE PE "5" PE "0" PE PE "0" PE CE + number("1", "III"));
    EXPECT_EQ(paragraph(plain.get()), number("1", "25.")) << "each list counts on its own";
}

// The number's formatting is switched on around the whole number and around
// the number text, each time against the paragraph's; the text around the
// number keeps its own formatting in between, and has none in the list's
// description.
TEST_F(ParagraphNumberingTest, NumberFormattingIsSwitchedAroundTheNumber)
{
    auto bold = makeCounted<CStrandProperties>();
    bold->setBold(true);
    auto italic = makeCounted<CStrandProperties>();
    italic->setItalic(true);
    auto plain = makeCounted<CStrandProperties>();
    CNumberingStyle& style = *list->getNumberingLevelDefinitions().front()->getNumberingStyles().front();
    style.setGeneratedNumberProps(bold.get());
    style.addPrefixStrandContent(text("(", italic.get()));

    auto first = numbering(1);
    CICFParagraphNumberTracking& tracker = *writer.getParagraphNumberTracker();
    tracker.addParagraph(*first.get());
    writer.getStrandPropertiesWriter()->setParagraphStyleProperties(plain.get());
    tracker.writePGN(&writer, *first.get());
    EXPECT_EQ(output(), CI "BBT" CE CI "PGN" "1" PE CE CI "ITO" CE "(" CI "ITF" CE CI "BBT" CE "1" CI "EBT" CE
                            "." CI "EPN" CE CI "EBT" CE);

    output().clear();
    tracker.writePND(&writer, *first.get());
    EXPECT_EQ(output().substr(0, 13), CI "PND" "3" PE "1" PE "(" PE "0" PE) << "the text around the number, plain";
}

} // namespace
