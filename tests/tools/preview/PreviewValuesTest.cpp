// The values the preview's page is made of: colours from their codes, fills,
// CSS strings and pictures as data: URIs; and that nothing of the document's
// text escapes from the place the page gives it.
#include "icfdump/preview/CssStyle.h"
#include "icfdump/preview/FormatCommands.h"
#include "icfdump/preview/HtmlPage.h"
#include "icfdump/preview/PictureData.h"
#include "icfdump/preview/PreviewBuilder.h"
#include "tools/IcfdumpTestSupport.h"

#include <gtest/gtest.h>

using namespace icfdump::preview;

namespace {

TEST(PreviewValues, ColoursAndFills)
{
    const std::pair<unsigned long, Rgb> codes[] = {
        {0, {0, 0, 0}}, {12, {255, 0, 0}}, {4, {128, 0, 0}}, {15, {255, 255, 255}}, {3, {0, 128, 128}}};
    for (const auto& [code, rgb] : codes)
        EXPECT_EQ(colourFromCode(code), rgb) << code;
    EXPECT_EQ(shadingColour(Shading{25, {0, 0, 0}, {255, 255, 255}}), (Rgb{191, 191, 191}));
    EXPECT_EQ(shadingColour(Shading{100, {255, 255, 0}, {0, 0, 255}}), (Rgb{255, 255, 0}));
    const Borders borders = bordersFromCode(0x1234);
    EXPECT_EQ(borders.top * 1000 + borders.left * 100 + borders.bottom * 10 + borders.right, 1234u);
}

TEST(PreviewValues, PicturesInWebFormatsBecomeDataUris)
{
    const std::pair<const char*, const char*> encodings[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}};
    for (const auto& [bytes, encoded] : encodings)
        EXPECT_EQ(base64(bytes), encoded) << bytes;
    EXPECT_EQ(pictureDataUri("FFD8FFE0"), "data:image/jpeg;base64,/9j/4A==");
    for (const char* other : {"0102", "ffd8f", "zz", ""})
        EXPECT_EQ(pictureDataUri(other), "") << other;
}

TEST(PreviewValues, TextAfterTabsStandsAtTheTabStopsOfAOneLineParagraph)
{
    // Stops at 720 (left) and 6480 (decimal) in a paragraph indented by 720
    // whose first line starts at the margin.
    const std::string page = htmlPage(buildPreview(icfdump::decodeIcf(icf(
                                          "<IPS5|0|720|0|0|720|0|0|><RUL0|2|720|6480|L|D|>Region<TAB>North<TAB>1.5<HNL>"
                                          "a<TAB>b<NLN><HNL>c<HNL>"))),
                                      "tabs");
    EXPECT_NE(page.find("position:relative;\">"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"tabbed\" style=\"position:absolute;left:0pt;white-space:nowrap;\">"),
              std::string::npos);
    EXPECT_NE(page.find("style=\"position:absolute;left:288pt;white-space:nowrap;transform:translateX(-100%);\">"),
              std::string::npos);
    // A paragraph of more than one line keeps its tab as a gap.
    EXPECT_EQ(page.find("class=\"tabbed\"", page.find(">a</span>")), std::string::npos);
    EXPECT_NE(page.find("class=\"tab\"", page.find(">a</span>")), std::string::npos);
}

TEST(PreviewValues, DocumentTextCannotLeaveItsPlace)
{
    EXPECT_EQ(cssString("A \"b\"; }"), "\"A \\22 b\\22 \\3b  \\7d \"");
    // icf() reads '<' and '>' as syntax: the markup goes in as it is.
    const std::string markup = "x\"></span><script>";
    const std::string stream = icf("<SPF10|1|10|1|24|") + markup + icf("|>a<HEX1|><XRF04|13|javascript:alert(1)|0|>") +
                               markup + icf("<HNL><ZZZ") + markup + icf("|>");
    const std::string page = htmlPage(buildPreview(icfdump::decodeIcf(stream)), "<title>");
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find("<title><title>"), std::string::npos);
    EXPECT_EQ(page.find("javascript"), std::string::npos);
    EXPECT_NE(page.find("a\u2401</span>"), std::string::npos);
}

} // namespace
