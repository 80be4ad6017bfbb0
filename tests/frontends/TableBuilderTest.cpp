// Tables driven by hand with what the AbiWord test file cannot send: header
// rows, row heights, vertical alignment, covered cells announced without a
// column, nested tables and table events out of place.
#include "frontends/DocumentBuilder.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using librevenge::RVNGPropertyList;

// The change statements of the document built, from the body's start on.
std::string bodyOf(frontends::DocumentBuilder& builder)
{
    const std::string listing = trxhost::formatListing(*builder.takeDocument());
    const std::string start = "character set 0x14B00000\n";
    const size_t at = listing.find(start);
    return at == std::string::npos ? listing : listing.substr(at + start.size());
}

RVNGPropertyList twoInchColumns()
{
    RVNGPropertyList column;
    column.insert("style:column-width", 1.0);
    librevenge::RVNGPropertyListVector columns;
    columns.append(column);
    columns.append(column);
    RVNGPropertyList table;
    table.insert("librevenge:table-columns", columns);
    table.insert("fo:margin-left", 0.5);
    table.insert("table:align", "center");
    return table;
}

TEST(TableBuilderTest, RowsAndCellsTakeTheirPropertiesAndMissingCellsAreAdded)
{
    frontends::DocumentBuilder builder;
    builder.openTable(twoInchColumns());
    RVNGPropertyList header;
    header.insert("librevenge:is-header-row", true);
    header.insert("style:row-height", 0.25);
    builder.openTableRow(header);
    RVNGPropertyList spanning;
    spanning.insert("table:number-columns-spanned", 2);
    spanning.insert("style:vertical-align", "bottom");
    spanning.insert("fo:border-top", "0.5pt double #0000ff");
    builder.openTableCell(spanning);
    builder.insertText("a");
    builder.closeParagraph();
    builder.closeTableCell();
    // The cell covered by the span, announced without its column.
    builder.insertCoveredTableCell({});
    builder.closeTableRow();
    RVNGPropertyList low;
    low.insert("style:min-row-height", 12.0, librevenge::RVNG_POINT);
    builder.openTableRow(low);
    builder.openTableCell({});
    builder.insertText("b");
    builder.closeTableCell();
    builder.closeTableRow();
    builder.closeTable();
    builder.endDocument();
    EXPECT_EQ(bodyOf(builder),
              "begin table\n"
              // The header row, a quarter inch high, half an inch in.
              "row format header left 720 height 360 exact align center cells 2\n"
              "cell format width 1440 merge after vertical align bottom top double width 10 color blue\n"
              "text \"a\"\n"
              "cell end\n"
              "cell format width 1440 merge before vertical align bottom top double width 10 color blue\n"
              "cell end\n"
              "row end\n"
              "row format left 720 height 240 at least align center cells 2\n"
              "cell format width 1440\n"
              "text \"b\"\n"
              "cell end\n"
              "cell format width 1440\n"
              "cell end\n"
              "row end\n"
              "end table\n"
              "document end\n");
}

TEST(TableBuilderTest, NestedTablesBecomeParagraphsAndStrayEventsAreHarmless)
{
    frontends::DocumentBuilder builder;
    builder.closeTableCell();
    builder.closeTableRow();
    builder.closeTable();
    // A table without columns, whose cell comes without a row.
    builder.openTable({});
    builder.openTableCell({});
    builder.insertText("outer");
    builder.closeParagraph();
    builder.openTable({});
    builder.openTableRow({});
    builder.openTableCell({});
    builder.insertText("inner");
    builder.closeTableCell();
    builder.openTableCell({});
    builder.insertText("cells");
    builder.closeParagraph();
    builder.closeTableCell();
    builder.closeTableRow();
    builder.closeTable();
    builder.insertText("tail");
    // The table is still open when the document ends.
    builder.endDocument();
    EXPECT_EQ(bodyOf(builder), "begin table\n"
                               "row format\n"
                               "text \"outer\"\n"
                               "paragraph end\n"
                               "text \"inner\"\n"
                               "paragraph end\n"
                               "text \"cells\"\n"
                               "paragraph end\n"
                               "text \"tail\"\n"
                               "cell end\n"
                               // The row announces the cell it got after all.
                               "row format cells 1\n"
                               "cell format width 1440\n"
                               "row end\n"
                               "end table\n"
                               "document end\n");
}

} // namespace
