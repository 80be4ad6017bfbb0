// Character properties around strands: the on/off decision, the commands and
// their parameters, the comparison with character and paragraph styles, and
// the text strand's own output.
#include "icf/ICFColor.h"
#include "icf/ICFStrandPropertiesWriter.h"

#include "ICFBytes.h"
#include "StrandWriterFixture.h"

#include "model/FontDefinition.h"

namespace {

constexpr EOnOffType On = kOnOffOn;
constexpr EOnOffType Off = kOnOffOff;
constexpr EOnOffType Undefined = kOnOffUndefined;

struct SDecisionCase {
    EOnOffType node;
    EOnOffType style;
    int state;
    bool differs;
    EPropWriteAnswer answer;
    EOnOffType out; // only checked when the answer is not no
};

TEST(ShouldPropWriteTest, DecidesEveryStateAsSpecified)
{
    const SDecisionCase cases[] = {
        // Own and opposite values: always written.
        {On, Off, 0, false, kPropWriteYes, On},
        {Off, On, 0, false, kPropWriteYes, Off},
        {On, Undefined, 3, false, kPropWriteYes, Off},
        {Off, On, 3, false, kPropWriteYes, On},
        // Style definition: what is on, and what differs from the base.
        {On, Undefined, 4, false, kPropWriteYes, On},
        {Off, Undefined, 4, false, kPropWriteNo, Off},
        {Off, On, 4, false, kPropWriteYes, Off},
        {On, On, 4, false, kPropWriteYes, On},
        {Off, Off, 4, false, kPropWriteNo, Off},
        // Style end: turn off what is on.
        {On, Off, 5, false, kPropWriteYes, Off},
        {Off, On, 5, false, kPropWriteNo, Off},
        // Strand start and end without a style: what is on, both times.
        {On, Undefined, 1, false, kPropWriteYes, On},
        {On, Undefined, 2, false, kPropWriteYes, On},
        {Off, Undefined, 2, false, kPropWriteNo, Off},
        // Same as the style: nothing, unless two different values are on.
        {Off, Off, 1, true, kPropWriteNo, Off},
        {On, On, 1, false, kPropWriteNo, Off},
        {On, On, 1, true, kPropWriteYes, On},
        {On, On, 2, true, kPropWriteRestoringStyle, On},
        // Different from the style: switched at the start, back at the end.
        {On, Off, 1, false, kPropWriteYes, On},
        {Off, On, 1, false, kPropWriteYes, Off},
        {Off, On, 2, false, kPropWriteRestoringStyle, On},
        {On, Off, 2, false, kPropWriteYes, Off},
        // No such state.
        {On, Off, 6, false, kPropWriteNo, Off},
    };
    for (const SDecisionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "node " << c.node << " style " << c.style << " state " << c.state
                                        << " differs " << c.differs);
        EOnOffType out = Undefined;
        EXPECT_EQ(CICFPropertiesWriter::shouldPropWrite(c.node, c.style, static_cast<EPropertiesState>(c.state), out,
                                                        c.differs),
                  c.answer);
        if (c.answer != kPropWriteNo) {
            EXPECT_EQ(out, c.out);
        }
    }
}

TEST(ICFColorTest, CompositeCodesBackgroundHighAndForegroundLow)
{
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(255, 0, 0), CColor()), 12);
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(100, 0, 0), CColor()), 4);
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(), CColor()), 0);
    // Only a present component above 127 makes the colour bright.
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(0, 128, 1), CColor()), 11);
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(0, 0, 200), CColor(0, 50, 0)), 0x29);
    EXPECT_EQ(CICFColorUtilities::getComposite(CColor(), CColor(255, 255, 255)), 0xF0);
}

class StrandWritersTest : public StrandWriterFixture {
protected:
    IStrandProperties* bold() { return properties([](IStrandProperties& p) { p.setBold(true); }); }
    IStrandProperties* plain() { return properties([](IStrandProperties&) {}); }

    // "STY"/"STF" of character style 5, "Strong".
    static std::string styleSwitch(const char* name) { return std::string(CI) + name + "Strong" PE "5" PE "1" PE CE; }
};

TEST_F(StrandWritersTest, ValuePropertiesWriteTheirParameters)
{
    auto* font = new CFontDefinition(3, CCharacterString("Arial", kCharSetCp1252));
    IStrandProperties* own = properties([font](IStrandProperties& p) {
        p.setFontName(font);
        p.setFontSize(24);
        p.setProtected(true);
        p.setCaseModifier(kCaseSmallCapitals);
        p.setStrikeOut(kStrikeOutSingle);
        p.setCharacterWidthAdjustment(-20);
        p.setLanguage(CLanguage(9, 1));
        CStrandColor color;
        color.setForeground(CColor(255, 0, 0));
        p.setColor(color);
        p.setUnderline(CUnderlining(kLineDouble, kUnderlineWordsOnly));
    });
    font->releaseRef();
    CICFStrandPropertiesWriter& propertiesWriter = *writer.getStrandPropertiesWriter();
    propertiesWriter.setStrandProperties(own);
    propertiesWriter.setPropertiesTarget(kStrandPropertiesTargetStrand);

    const std::string spf = CI "SPF" "10" PE "3" PE "10" PE "3" PE "24" PE "Arial" PE CE;
    propertiesWriter.writeProperties(&writer, kPropertiesStrandStart);
    EXPECT_EQ(output(), spf + CI "BKP" "0" PE "0" PE CE CI "BCS" CE CI "BSO" CE CI "KER" "0" PE "20" PE CE
                            CI "SLG" "1033" PE CE CI "BCL" "12" PE "255" PE "0" PE "0" PE CE CI "BUL" "1" PE "2" PE CE);
    // Turned off again: the small capitals opened above are closed.
    propertiesWriter.writeProperties(&writer, kPropertiesStyleOff);
    EXPECT_EQ(output(), spf + CI "BKP" "1" PE "0" PE CE CI "ECS" CE CI "ESO" CE CI "EKR" CE CI "SLG" "0" PE CE
                            CI "BCL" "0" PE "0" PE "0" PE "0" PE CE CI "EUL" CE);
}

TEST_F(StrandWritersTest, BoldStrandInBoldStyleWritesOnlyTheStyle)
{
    IStrandStyleContent* style = characterStyle(5, "Strong", bold());
    EXPECT_EQ(written(strand(kTextStrandNode, bold(), style, "x")),
              styleSwitch("STY") + CI "BBT" CE CI "STE" CE "x" + styleSwitch("STF") + CI "EBT" CE CI "STE" CE);
}

TEST_F(StrandWritersTest, PlainStrandInBoldStyleSwitchesBoldOffAndBack)
{
    IStrandStyleContent* style = characterStyle(5, "Strong", bold());
    EXPECT_EQ(written(strand(kTextStrandNode, plain(), style, "x")),
              styleSwitch("STY") + CI "BBT" CE CI "STE" CE CI "EBT" CE "x" CI "BBT" CE + styleSwitch("STF") +
                  CI "EBT" CE CI "STE" CE);
}

TEST_F(StrandWritersTest, StrandEndRestoresTheParagraphStylesToggles)
{
    writer.getStrandPropertiesWriter()->setParagraphStyleProperties(bold());
    IStrandProperties* italic = properties([](IStrandProperties& p) { p.setItalic(true); });
    EXPECT_EQ(written(strand(kTextStrandNode, italic, nullptr, "x")),
              CI "EBT" CE CI "ITO" CE "x" CI "BBT" CE CI "ITF" CE);
}

TEST_F(StrandWritersTest, StyleDefinitionsLeaveNoComparisonBaseBehind)
{
    auto& table = dynamic_cast<IStyleTableContent&>(*root(kStyleTableNode)->getIContent());
    auto* style = dynamic_cast<IStrandStyleContent*>(factory.createNode(kStrandStyleNode));
    style->setID(5);
    style->setName(CCharacterString("Strong", kCharSetCp1252));
    style->setProperties(bold());
    table.addStyle(style);
    table.getINode()->getNodeWriter()->write();
    output();
    // Against the style's bold nothing would be written.
    EXPECT_EQ(written(strand(kTextStrandNode, bold(), nullptr, "x")), CI "BBT" CE "x" CI "BBT" CE);
}

TEST_F(StrandWritersTest, SubscriptAfterSuperscriptClosesTheSuperscriptFirst)
{
    IStrandProperties* superscript = properties([](IStrandProperties& p) { p.setScripting(kScriptingSuperscript); });
    IStrandProperties* subscript = properties([](IStrandProperties& p) { p.setScripting(kScriptingSubscript); });
    EXPECT_EQ(written(strand(kTextStrandNode, superscript, nullptr, "a")),
              CI "SPS" CE "a" CI "EPS" CE CI "SPS" CE);
    EXPECT_EQ(written(strand(kTextStrandNode, subscript, nullptr, "b")),
              CI "EPS" CE CI "SBS" CE "b" CI "EBS" CE CI "SBS" CE);
}

TEST_F(StrandWritersTest, RevisionDeletedTextIsInsideDTX)
{
    IStrandProperties* deleted = properties([](IStrandProperties& p) { p.setRevisionDeleted(true); });
    EXPECT_EQ(written(strand(kTextStrandNode, deleted, nullptr, "gone")), CI "DTX" "gone" CE);
}

TEST_F(StrandWritersTest, SymbolFontTextIsWrittenAsSymbolCharacters)
{
    auto* font = new CFontDefinition(2, CCharacterString("SyMbOl", kCharSetCp1252));
    IStrandProperties* symbol = properties([font](IStrandProperties& p) { p.setFontName(font); });
    font->releaseRef();
    INode* node = strand(kTextStrandNode, symbol, nullptr, "ab");
    // Done before it may be written: nothing yet, the text is marked.
    node->done();
    EXPECT_EQ(output(), "");
    EXPECT_EQ(written(node), CI "XCS" "9998" PE "61" PE CE "_" CI "XCS" "9998" PE "62" PE CE "_");
}

} // namespace
