// The text strand translator: the split of a finished strand by script, and
// the unchanged strands it passes on each time they are done or re-notified.
#include "ReaderTreeFixture.h"

namespace {

using namespace readertest;

// A paragraph with a main, an Asian and a low-range font selected, and
// texts of several scripts in the host's text list.
class StrandSplit : public ChangeHandlerFixture {
protected:
    StrandSplit()
        : ChangeHandlerFixture("record 2 \"ab\\u{4E2D}\\u{6587}cd\"\n" // 0: Latin, Chinese, Latin
                               "record 2 \"xy\\u{3B1}\\u{3B2}\"\n"     // 6: Latin, Greek
                               "record 2 \"\\u{FF}\\u{100}\\u{3000}\\u{2FFF}\\u{9FFF}\\u{A000}\\u{AC00}\\u{D7A4}"
                               "\\u{FE30}\\u{FFE8}\"\n" // 10: alternating at every bound
                               "record 2 \"\\u{3000}\\u{9FFF}\\u{AC00}\\u{D7A3}\\u{FE30}\\u{FFE7}\"\n") // 20
    {
    }

    void SetUp() override
    {
        main = addFont(1, "Main");
        asian = addFont(2, "Asian");
        low = addFont(3, "Low");
        change(10, 1);
        change(119, 2, 1);
        change(119, 3, 2);
    }

    std::vector<uint32_t> fontIds()
    {
        return ofChildren(cursor, [](INode* child) {
            CFontDefinition* font = propertiesOf(child)->getFontName();
            return font ? font->getID() : 0u;
        });
    }

    std::vector<std::u16string> texts() { return ofChildren(cursor, textOf); }

    CFontDefinition* main = nullptr;
    CFontDefinition* asian = nullptr;
    CFontDefinition* low = nullptr;
};

TEST_F(StrandSplit, LatinChineseLatinBecomesThreeStrandsWithTheirFonts)
{
    change(24, 1);
    change(8, 2, 1);
    change(7, 0, 6);
    EXPECT_EQ(kindsOf(cursor),
              (std::vector<EContentInterfaceID>{kTabCSNode, kTextStrandNode, kTextStrandNode, kTextStrandNode}))
        << "the pieces follow the existing children and the split strand is gone";
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"<not text>", u"ab", u"\u4E2D\u6587", u"cd"}));
    EXPECT_EQ(fontIds(), (std::vector<uint32_t>{1, 3, 2, 3})) << "the tab keeps the main font";

    std::vector<INode*> pieces = childrenOf(cursor);
    for (size_t i = 1; i < pieces.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(i));
        EXPECT_TRUE(pieces[i]->isDone());
        EXPECT_TRUE(propertiesOf(pieces[i])->isBold()) << "the pieces keep the strand's formatting";
        auto* word = dynamic_cast<CWordStrandProperties*>(propertiesOf(pieces[i]));
        ASSERT_NE(word, nullptr);
        EXPECT_EQ(word->getFontNameAsian(), asian);
        EXPECT_EQ(word->getFontNameLowRange(), low);
        CCharacterString text;
        dynamic_cast<ITextStrandContent&>(*pieces[i]->getIContent()).getText(text);
        EXPECT_EQ(text.getCharacterSet(), kCharSetUnicode);
    }
    EXPECT_NE(propertiesOf(pieces[1]), propertiesOf(pieces[2]));
    EXPECT_NE(propertiesOf(pieces[2]), propertiesOf(pieces[3]));
    EXPECT_EQ(running().getFontName(), main) << "the paragraph's state is not touched";
    EXPECT_EQ(log,
              (Log{"P 37", "C 37", "D 37", "P 41", "C 41", "D 41", "P 41", "C 41", "D 41", "P 41", "C 41", "D 41"}))
        << "the split strand itself never reaches its writer";
}

TEST_F(StrandSplit, EveryBoundOfTheAsianRangesStartsANewRun)
{
    change(7, 10, 10);
    EXPECT_EQ(fontIds(), (std::vector<uint32_t>{3, 1, 2, 1, 2, 1, 2, 1, 2, 1}));
    EXPECT_EQ(texts()[2], u"\u3000");
    cursor->releaseChildren();
    change(7, 20, 6);
    EXPECT_EQ(texts(), std::vector<std::u16string>{u"\u3000\u9FFF\uAC00\uD7A3\uFE30\uFFE7"});
    EXPECT_EQ(fontIds(), std::vector<uint32_t>{2});
}

TEST_F(StrandSplit, AnEmptyTextGivesOneEmptyStrandWithTheMainFont)
{
    change(7, 0, 0);
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kTextStrandNode});
    EXPECT_EQ(texts(), std::vector<std::u16string>{u""});
    EXPECT_EQ(fontIds(), std::vector<uint32_t>{1});
}

TEST_F(StrandSplit, NoSplitWithoutThreeFontsWithTwoIdsOrForNonUnicodeText)
{
    // A missing font.
    change(119, 99, 1);
    change(7, 0, 6);
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode});
    cursor->releaseChildren();

    // Three fonts with one id.
    CFontDefinition* same1 = addFont(7, "Same");
    CFontDefinition* same2 = addFont(7, "Same too");
    paragraph().setFontName(same1);
    paragraph().setFontNameAsian(same2);
    paragraph().setFontNameLowRange(same1);
    change(7, 0, 6);
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode});
    cursor->releaseChildren();

    // Text not in Unicode.
    change(10, 1);
    change(119, 2, 1);
    change(119, 3, 2);
    change(25, 0x14E40100);
    change(7, 0, 6);
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode});
    EXPECT_EQ(textOf(childrenOf(cursor)[0]), u"ab\u4E2D\u6587cd");
    EXPECT_EQ(propertiesOf(childrenOf(cursor)[0])->getFontName(), main);
}

// An unchanged strand is passed on every time: at its own done, when its
// paragraph cannot be written yet, and again at the paragraph's
// re-notification, when it can.
TEST_F(StrandSplit, AnUnchangedStrandIsPassedOnAtEachDone)
{
    change(25, 0x14E40100);
    change(7, 0, 2);
    INode* strand = childrenOf(cursor)[0];
    EXPECT_EQ(log, (Log{"P 47", "C 47", "D 47"}));
    EXPECT_EQ(strand->getParentNode(), cursor) << "not writable yet: it stays";

    log.clear();
    cursor->renotifyChildren(kDoneAndPropertiesDone);
    EXPECT_EQ(log, (Log{"P 47", "C 47", "D 47"})) << "passed on again, whole";
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode});

    log.clear();
    open = true;
    cursor->renotifyChildren(kDoneAndPropertiesDone);
    EXPECT_EQ(log, (Log{"P 47", "C 47", "D 47"}));
    EXPECT_TRUE(cursor->isEmpty()) << "the later pass wrote and released it";
}

TEST_F(StrandSplit, PiecesOfASplitAreWrittenWhenTheirParagraphCanBe)
{
    open = true;
    change(7, 0, 6);
    EXPECT_TRUE(cursor->isEmpty()) << "each piece was written (and released) at its done";
    EXPECT_EQ(log, (Log{"P 41", "C 41", "D 41", "P 41", "C 41", "D 41", "P 41", "C 41", "D 41"}));
}

// A Latin run before Greek gets the low-range font, Greek the main font.
// The strand's copy of the running state is shared with the last piece only:
// the earlier pieces got copies of their own.
TEST_F(StrandSplit, TheSplitStrandsOwnPropertiesGoToTheLastPiece)
{
    change(7, 6, 4);
    EXPECT_EQ(texts(), (std::vector<std::u16string>{u"xy", u"\u03B1\u03B2"}));
    std::vector<INode*> pieces = childrenOf(cursor);
    ASSERT_EQ(pieces.size(), 2u);
    auto* first = dynamic_cast<CWordStrandProperties*>(propertiesOf(pieces[0]));
    auto* last = dynamic_cast<CWordStrandProperties*>(propertiesOf(pieces[1]));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(first->getReferenceCount(), 1u);
    EXPECT_EQ(last->getReferenceCount(), 1u) << "the released split strand let go of its references";
    EXPECT_EQ(first->getFontName(), low);
    EXPECT_EQ(last->getFontName(), main);
}

} // namespace
