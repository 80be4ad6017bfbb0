// Showing how two ICF streams differ: the line difference and the helper
// that end-to-end tests use.
#include "IcfDifference.h"
#include "IcfdumpTestSupport.h"

#include "icfdump/LineDifference.h"

#include <gtest/gtest.h>

using icfdump::lineDifference;

namespace {

std::vector<std::string> numberedLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::to_string(i));
    return lines;
}

TEST(IcfdumpDifferenceTest, ChangesAreShownInHunksWithContext)
{
    EXPECT_EQ(lineDifference(numberedLines(5), numberedLines(5)), "");

    std::vector<std::string> actual = numberedLines(20);
    actual[4] = "five";
    actual.erase(actual.begin() + 16);
    EXPECT_EQ(lineDifference(numberedLines(20), actual), "--- expected\n+++ actual\n"
                                                         "@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n"
                                                         "@@ -14,7 +14,6 @@\n 14\n 15\n 16\n-17\n 18\n 19\n 20\n");
    // Changes six unchanged lines apart share a hunk.
    actual = numberedLines(12);
    actual[2] = "three";
    actual[9] = "ten";
    EXPECT_EQ(lineDifference(numberedLines(12), actual).find("\n@@", 30), std::string::npos);
}

TEST(IcfdumpDifferenceTest, EmptyRangesNameTheLineBeforeThem)
{
    EXPECT_EQ(lineDifference({}, {"a"}), "--- expected\n+++ actual\n@@ -0,0 +1,1 @@\n+a\n");
    EXPECT_EQ(lineDifference({"a", "b"}, {"a"}, 0), "--- expected\n+++ actual\n@@ -2,1 +1,0 @@\n-b\n");
}

TEST(IcfdumpDifferenceTest, IcfMismatchIsShownAsTheDifferenceOfListings)
{
    const std::string expected = icf("<BBT>Hello<EBT><HNL>");
    EXPECT_EQ(icfdump::icfDifference(expected, expected), "");
    EXPECT_EQ(icfdump::icfDifference(expected, icf("<ITO>Hello<EBT><HNL")),
              "--- expected\n+++ actual\n"
              "@@ -1,4 +1,5 @@\n"
              "-BBT\n+ITO\n \"Hello\"\n EBT\n HNL\n"
              "+!! offset 17: command \"HNL\" is never terminated (the input ends at offset 22)\n");
    // Streams broken at the same place differ only after it.
    EXPECT_EQ(icfdump::icfDifference(icf("a>b"), icf("a>c")),
              "the listings agree up to the syntax fault, but the bytes differ from offset 2 on\n");
}

TEST(IcfdumpDifferenceTest, AssertionHelperReportsTheDifference)
{
    EXPECT_TRUE(icfEqual("e", "a", icf("<BBT>"), icf("<BBT>")));
    const ::testing::AssertionResult result = icfEqual("expected", "actual", icf("<BBT>"), icf("<EBT>"));
    EXPECT_FALSE(result);
    EXPECT_EQ(std::string(result.message()),
              "ICF of actual differs from expected:\n--- expected\n+++ actual\n@@ -1,1 +1,1 @@\n-BBT\n+EBT\n");
}

} // namespace
