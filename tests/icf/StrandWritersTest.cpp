// Character properties around strands: the on/off decision, the commands and
// parameters the golden cases do not use, the text strand's own output and
// the date field's codes at the ends of its table, and the numbers of an
// autonumbered note.
#include "icf/ICFColor.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFStrandPropertiesWriter.h"

#include "icf/ICFStrandNodeWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/CountedReference.h"
#include "model/DateTimeFormats.h"
#include "model/FieldNodes.h"
#include "model/FontDefinition.h"
#include "model/NodeCast.h"
#include "model/NoteNodes.h"
#include "model/StrandProperties.h"
#include "model/TextStrandNode.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

TEST(ShouldPropWriteTest, AnswersForEachStateAndStyleValue)
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

// Text strands without a parent, pulled by their writers; the output is
// captured byte by byte.
class StrandWritersTest : public ICFOutputFixture {
protected:
    StrandWritersTest()
    {
        makeNodes<CTextStrandNode, CDateTimeCSNode, CNoteCSNode>();
        writer.initialize(&stream, registrar());
    }

    ~StrandWritersTest() override
    {
        for (INode* strand : strands)
            strand->release();
    }

    // New strand properties, set up by `set`, held by the fixture.
    template <class Set>
    IStrandProperties* properties(Set set)
    {
        auto* made = new CStrandProperties;
        set(*made);
        held.emplace_back(made);
        return made;
    }

    // A text strand with the given properties and text, released by the fixture.
    INode* textStrand(IStrandProperties* strandProperties, const char* text)
    {
        auto& strand = nodeAs<CTextStrandNode>(factory.createNode(kTextStrandNode));
        strand.setProperties(strandProperties);
        strand.setText(CCharacterString(text, kCharSetCp1252));
        strands.push_back(&strand);
        return &strand;
    }

    // A date field with the format items given, released by the fixture.
    INode* dateField(const std::vector<CDateTimeFormat*>& items)
    {
        auto& field = nodeAs<CDateTimeCSNode>(factory.createNode(kDateTimeCSNode));
        for (CDateTimeFormat* item : items) {
            field.addDateTimeFormat(item);
            item->releaseRef();
        }
        strands.push_back(&field);
        return &field;
    }

        // An autonumbered note of `type` whose marker strand has no text, released
    // by the fixture.
    INode* autonumberedNote(ENoteType type)
    {
        auto& note = nodeAs<CNoteCSNode>(factory.createNode(kNoteCSNode));
        note.setNoteType(type);
        auto& marker = nodeAs<CTextStrandNode>(factory.createNode(kTextStrandNode));
        marker.setText(CCharacterString("", kCharSetCp1252));
        note.addReferenceMarkerStrand(&marker);
        strands.push_back(&note);
        return &note;
    }

    // The output of a pull write of `strand`.
    std::string written(INode* strand)
    {
        dynamic_cast<CICFStrandNodeWriter&>(*strand->getNodeWriter()).write();
        return output();
    }

    // The output so far, which is then forgotten.
    std::string output()
    {
        std::string bytes;
        bytes.swap(ICFOutputFixture::output());
        return bytes;
    }

private:
    struct SRelease {
        void operator()(IStrandProperties* p) const { p->releaseRef(); }
    };
    std::vector<std::unique_ptr<IStrandProperties, SRelease>> held;
    std::vector<INode*> strands;
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

// A font's name is rendered once, and only where it reaches the output: a
// first "SPF" swallowed with the commands must not leave an empty name.
TEST_F(StrandWritersTest, AFontNameIsWrittenAlikeEachTime)
{
    auto* font = new CFontDefinition(4, CCharacterString("Caf\xe9", kCharSetCp1252));
    IStrandProperties* own = properties([font](IStrandProperties& p) {
        p.setFontName(font);
        p.setFontSize(20);
    });
    font->releaseRef();
    CICFStrandPropertiesWriter& propertiesWriter = *writer.getStrandPropertiesWriter();
    propertiesWriter.setStrandProperties(own);
    propertiesWriter.setPropertiesTarget(kStrandPropertiesTargetStrand);
    CICFCommandWriter::disable();
    propertiesWriter.writeProperties(&writer, kPropertiesStrandStart);
    CICFCommandWriter::enable();
    EXPECT_EQ(output(), "");

    const std::string spf = CI "SPF" "10" PE "4" PE "10" PE "4" PE "20" PE "Caf" CI "XCS" "819" PE "e9" PE CE "_" PE CE;
    propertiesWriter.writeProperties(&writer, kPropertiesStrandStart);
    EXPECT_EQ(output(), spf);
    propertiesWriter.writeProperties(&writer, kPropertiesStrandStart);
    EXPECT_EQ(output(), spf);
}

TEST_F(StrandWritersTest, SubscriptAfterSuperscriptClosesTheSuperscriptFirst)
{
    IStrandProperties* superscript = properties([](IStrandProperties& p) { p.setScripting(kScriptingSuperscript); });
    IStrandProperties* subscript = properties([](IStrandProperties& p) { p.setScripting(kScriptingSubscript); });
    EXPECT_EQ(written(textStrand(superscript, "a")),
              CI "SPS" CE "a" CI "EPS" CE CI "SPS" CE);
    EXPECT_EQ(written(textStrand(subscript, "b")),
              CI "EPS" CE CI "SBS" CE "b" CI "EBS" CE CI "SBS" CE);
}

// The lowest shift has no positive counterpart: its amount is negative
// still, and a negative amount is written as 0 (found by fuzzing, where the
// negation overflowed).
TEST_F(StrandWritersTest, TheLowestBaselineShiftIsASubscriptOfAmountZero)
{
    IStrandProperties* lowest = properties([](IStrandProperties& p) { p.setBaselineShift(INT32_MIN); });
    EXPECT_EQ(written(textStrand(lowest, "a")),
              CI "SBS" "0" PE "1" PE CE "a" CI "EBS" CE CI "SBS" "0" PE "1" PE CE);
}

TEST_F(StrandWritersTest, RevisionDeletedTextIsInsideDTX)
{
    IStrandProperties* deleted = properties([](IStrandProperties& p) { p.setRevisionDeleted(true); });
    EXPECT_EQ(written(textStrand(deleted, "gone")), CI "DTX" "gone" CE);
}

TEST_F(StrandWritersTest, SymbolFontTextIsWrittenAsSymbolCharacters)
{
    auto* font = new CFontDefinition(2, CCharacterString("SyMbOl", kCharSetCp1252));
    IStrandProperties* symbol = properties([font](IStrandProperties& p) { p.setFontName(font); });
    font->releaseRef();
    INode* node = textStrand(symbol, "ab");
    // Done before it may be written: nothing yet, the text is marked.
    node->done();
    EXPECT_EQ(output(), "");
    EXPECT_EQ(written(node), CI "XCS" "9998" PE "61" PE CE "_" CI "XCS" "9998" PE "62" PE CE "_");
}

CDateTimeFormat* dateCode(uint32_t code)
{
    auto* item = new CDateTimeFormatCode;
    item->setCode(static_cast<EDateTimeFormatCode>(code));
    return item;
}

TEST_F(StrandWritersTest, DateCodesOutsideTheTableWriteNothing)
{
    auto* slash = new CDateTimeFormatCharacters;
    slash->setString(CCharacterString("/", kCharSetCp1252));
    EXPECT_EQ(written(dateField({dateCode(10), dateCode(0), slash, dateCode(12), dateCode(11)})),
              CI "DTF" "01" PE "2f" PE "30" PE CE);
    // Without a format: month, day and year in numbers.
    EXPECT_EQ(written(dateField({})), CI "DTF" "32" PE "2f" PE "31" PE "2f" PE "34" PE CE);
}

// The counter changes that number notes are not read yet: no listing makes
// an autonumbered note.
TEST_F(StrandWritersTest, AnAutonumberedNoteWritesItsNumberThenFNA)
{
    const std::string fixed = "00" PE "00" PE "00" PE "00" PE "01" PE "ff" PE "0" PE "0" PE "8d" PE CE;
    EXPECT_EQ(written(autonumberedNote(kFootnote)),
              CI "FNT" "00" PE "00" PE "01" PE + fixed + CI "FNA" CE CI "EFN" CE);
    EXPECT_EQ(written(autonumberedNote(kEndnote)), CI "FNT" "02" PE "00" PE "01" PE + fixed + CI "FNA" CE CI "EFN" CE);
}

} // namespace
