// Pages of small streams against the pages worked out for them by hand:
// cases/NAME.icf.txt (a listing, assembled) or cases/NAME.icf (raw bytes)
// and cases/NAME.html, the page's document and side panel (from <main> to
// the end of <aside>; the stylesheet before them is left out).
#include "icfdump/IcfAssembler.h"
#include "icfdump/preview/HtmlPage.h"
#include "icfdump/preview/PreviewBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kCases = std::filesystem::path(ICF_SOURCE_DIR) / "tests/tools/preview/cases";

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The part of the page the cases hold.
std::string documentAndPanel(const std::string& page)
{
    const size_t begin = page.find("<main>");
    const std::string end = "</aside>\n";
    const size_t stop = page.find(end);
    return begin == std::string::npos || stop == std::string::npos ? page
                                                                   : page.substr(begin, stop + end.size() - begin);
}

std::string pageOf(const std::string& name)
{
    const std::filesystem::path listing = kCases / (name + ".icf.txt");
    const std::string bytes =
        std::filesystem::exists(listing) ? icfdump::assembleIcf(readFile(listing)) : readFile(kCases / (name + ".icf"));
    using namespace icfdump::preview;
    return documentAndPanel(htmlPage(buildPreview(icfdump::decodeIcf(bytes)), name));
}

TEST(PreviewPage, TextTableAndListedCommandOfAFormattedPage)
{
    EXPECT_EQ(pageOf("page_text_and_table"), readFile(kCases / "page_text_and_table.html"));
}

TEST(PreviewPage, HeaderNoteLinksPicturesAndACommentOfAPage)
{
    EXPECT_EQ(pageOf("header_note_links_and_pictures"), readFile(kCases / "header_note_links_and_pictures.html"));
}

TEST(PreviewPage, AStreamCutOffInACommandShowsTheTextBeforeAndMarksTheDamage)
{
    EXPECT_EQ(pageOf("cut_off_in_a_command"), readFile(kCases / "cut_off_in_a_command.html"));
}

} // namespace
