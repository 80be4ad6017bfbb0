#include "HtmlPage.h"

#include "CssStyle.h"

#include <kainjow/mustache.hpp>

#include <algorithm>
#include <iterator>

namespace icfdump::preview {

namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;
using kainjow::mustache::partial;

const char kPageTemplate[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{{title}}</title>
<style>
body { margin: 0; display: flex; align-items: flex-start; gap: 16px; background: #e8e8e8; font-family: serif; }
main { flex: 1; padding: 16px; }
aside { width: 34em; max-height: 100vh; overflow: auto; position: sticky; top: 0; background: #fff;
  font: 12px monospace; border-left: 1px solid #999; padding: 8px; }
aside table { border-collapse: collapse; }
aside td { border-bottom: 1px solid #ddd; padding: 2px 4px; vertical-align: top; word-break: break-all; }
.page { background: #fff; margin: 0 auto 24px; box-shadow: 0 0 4px #888; box-sizing: border-box; position: relative; }
.header, .footer { border: 1px dashed #9ab; margin: 4px 0; }
.notes { border-top: 1px solid #000; margin-top: 12pt; font-size: smaller; }
.note { display: flex; gap: 4px; }
.endnote { font-style: oblique; }
p { margin: 0; white-space: pre-wrap; min-height: 1em; }
.tab { display: inline-block; min-width: 2em; }
.number { padding-right: 0.5em; }
table.grid { border-collapse: collapse; table-layout: fixed; }
table.grid td { border: 1px dotted #bbb; vertical-align: top; padding: 0 2px; }
.frame { margin: 4px; border: 1px dotted #bbb; }
.picture { display: inline-block; border: 1px solid #999; background: #eee; font: 10px sans-serif;
  overflow: hidden; vertical-align: bottom; }
.field { background: #e0e8ff; }
.comment { background: #fff3b0; border: 1px solid #d9b300; font: 10px sans-serif; padding: 0 2px; margin: 0 2px; }
.comment::before { content: "\270e  "; }
.listed:target::after { content: "\25c6"; color: #c60; }
.damage { background: #fcc; color: #900; font: bold 11px sans-serif; }
.banner { background: #fcc; color: #900; padding: 8px; margin-bottom: 16px; font: bold 13px sans-serif; }
.hidden { color: #999; border-bottom: 1px dotted #999; }
.deleted { color: #b00; }
.added { color: #00b; }
.reverse { filter: invert(100%); }
.flashing { animation: flash 1s step-start infinite; }
@keyframes flash { 50% { opacity: 0.2; } }
</style>
</head>
<body>
<main>
{{#damage}}<div class="banner">The stream is damaged: {{damage}}. What stands before the damage is shown.</div>
{{/damage}}{{#pages}}<div class="page" style="{{style}}">
{{#headers}}<div class="header">{{#blocks}}{{> block}}{{/blocks}}</div>
{{/headers}}{{#blocks}}{{> block}}{{/blocks}}{{#hasNotes}}<div class="notes">
{{#notes}}<div class="note{{#endnote}} endnote{{/endnote}}" id="{{id}}"><div>{{#blocks}}{{> block}}{{/blocks}}</div></div>
{{/notes}}</div>
{{/hasNotes}}{{#footers}}<div class="footer">{{#blocks}}{{> block}}{{/blocks}}</div>
{{/footers}}</div>
{{/pages}}</main>
<aside>
<h3>Commands not rendered ({{listedCount}})</h3>
<table>
{{#listed}}<tr><td>{{#mark}}<a href="#{{mark}}">{{/mark}}{{offset}}{{#mark}}</a>{{/mark}}</td><td>{{command}}</td>)"
                             R"(<td>{{remark}}</td></tr>
{{/listed}}</table>
</aside>
</body>
</html>
)";

// A block, recursively: tables, frames and columns hold blocks. Every block
// sets all four keys, so that a lookup never reaches an enclosing block.
const char kBlockTemplate[] =
    R"({{#paragraph}}<p style="{{style}}">{{#number}}<span class="number">{{number}}</span>{{/number}})"
    R"({{#segments}}{{#positioned}}<span class="tabbed" style="{{tabbed}}">{{/positioned}})"
    R"({{#inlines}}{{> inline}}{{/inlines}}{{#positioned}}</span>{{/positioned}}{{/segments}}</p>
{{/paragraph}}{{#table}}<table class="grid"><colgroup>{{#colgroup}}<col style="width:{{width}}">{{/colgroup}}</colgroup>
{{#rows}}<tr{{#header}} class="header-row"{{/header}} style="{{style}}">{{#cells}}<td colspan="{{columnSpan}}" rowspan="{{rowSpan}}" )"
    R"(style="{{style}}">{{#blocks}}{{> block}}{{/blocks}}</td>{{/cells}}</tr>
{{/rows}}</table>
{{/table}}{{#frame}}<div class="frame" style="{{style}}">{{#blocks}}{{> block}}{{/blocks}}</div>
{{/frame}}{{#sectionColumns}}<div class="columns" style="{{style}}">{{#blocks}}{{> block}}{{/blocks}}</div>
{{/sectionColumns}})";

const char kInlineTemplate[] =
    R"({{#href}}<a href="{{href}}">{{/href}})"
    R"({{#isText}}<span class="{{classes}}" style="{{style}}">{{text}}</span>{{/isText}})"
    R"({{#isTab}}<span class="tab" style="{{style}}">{{text}}</span>{{/isTab}})"
    R"({{#isBreak}}<br>{{/isBreak}})"
    R"({{#isAnchor}}<a id="{{text}}"></a>{{/isAnchor}})"
    R"({{#isNoteMark}}<sup>{{#noteLink}}<a href="#{{noteLink}}">{{/noteLink}}{{text}})"
    R"({{#noteLink}}</a>{{/noteLink}}</sup>{{/isNoteMark}})"
    R"({{#isImage}}<img src="{{target}}" alt="picture" style="{{size}}">{{/isImage}})"
    R"({{#isPlaceholder}}<span class="picture" style="{{size}}">{{text}}</span>{{/isPlaceholder}})"
    R"({{#isField}}<span class="field" title="{{target}}" style="{{style}}">{{text}}</span>{{/isField}})"
    R"({{#isDamage}}<span class="damage">&#x26a0; {{text}}</span>{{/isDamage}})"
    R"({{#isListed}}<a id="{{text}}" class="listed"></a>{{/isListed}})"
    R"({{#isComment}}<span class="comment" title="comment">{{text}}</span>{{/isComment}})"
    R"({{#href}}</a>{{/href}})";

data list()
{
    return data(data::type::list);
}

data blockList(const std::vector<Block>& blocks);

// A link the page may follow: to the web, to mail or within the page.
// Anything else (a script, a local file) stays text.
std::string safeHref(const std::string& target)
{
    static const char* const kSchemes[] = {"http://", "https://", "mailto:", "ftp://", "#"};
    for (const char* scheme : kSchemes) {
        if (target.rfind(scheme, 0) == 0)
            return target;
    }
    return {};
}

// Control characters have no glyph; they show as their control pictures.
std::string visibleText(const std::string& text)
{
    constexpr char32_t kControlPictures = 0x2400;
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 || c == '\t') {
            shown += c;
            continue;
        }
        const char32_t picture = kControlPictures + byte;
        shown += static_cast<char>(0xE0 | (picture >> 12));
        shown += static_cast<char>(0x80 | ((picture >> 6) & 0x3F));
        shown += static_cast<char>(0x80 | (picture & 0x3F));
    }
    return shown;
}

std::string inlineClasses(const CharacterFormat& format)
{
    std::string classes;
    const std::pair<bool, const char*> flags[] = {{format.hidden, " hidden"},
                                                  {format.deleted, " deleted"},
                                                  {format.revisionAdded, " added"},
                                                  {format.reverse, " reverse"},
                                                  {format.flashing, " flashing"}};
    for (const auto& [set, name] : flags) {
        if (set)
            classes += name;
    }
    return classes.empty() ? classes : classes.substr(1);
}

data inlineData(const Inline& piece)
{
    data item;
    const std::string href = safeHref(piece.link);
    item.set("href", href.empty() ? data(false) : data(href));
    const std::pair<const char*, bool> kinds[] = {
        {"isText", piece.kind == Inline::Kind::Text},
        {"isTab", piece.kind == Inline::Kind::Tab},
        {"isBreak", piece.kind == Inline::Kind::LineBreak},
        {"isAnchor", piece.kind == Inline::Kind::Anchor},
        {"isNoteMark", piece.kind == Inline::Kind::NoteMark},
        {"isImage", piece.kind == Inline::Kind::Picture && !piece.target.empty()},
        {"isPlaceholder", piece.kind == Inline::Kind::Picture && piece.target.empty()},
        {"isField", piece.kind == Inline::Kind::Field},
        {"isDamage", piece.kind == Inline::Kind::Damage},
        {"isListed", piece.kind == Inline::Kind::Listed},
        {"isComment", piece.kind == Inline::Kind::Comment},
    };
    for (const auto& [key, set] : kinds)
        item.set(key, data(set));
    item.set("text", visibleText(piece.text));
    item.set("target", piece.target);
    const bool noteLink = piece.kind == Inline::Kind::NoteMark && !piece.target.empty();
    item.set("noteLink", noteLink ? data(piece.target) : data(false));
    item.set("classes", inlineClasses(piece.format));
    item.set("style", characterStyle(piece.format));
    CssStyle size;
    if (piece.width > 0 && piece.height > 0)
        size.length("width", piece.width).length("height", piece.height);
    item.set("size", size.text());
    return item;
}

// The tab stops the tabs of a paragraph move to: the k-th tab to the k-th
// stop past the start of the first line. Only a paragraph of one line with
// enough stops is laid out so (its text between tabs is taken to fit between
// the stops); any other keeps its tabs as gaps, and gets no stops here.
std::vector<TabStop> tabTargets(const Paragraph& paragraph)
{
    const auto isKind = [](Inline::Kind kind) { return [kind](const Inline& piece) { return piece.kind == kind; }; };
    const auto& inlines = paragraph.inlines;
    const auto tabs = static_cast<size_t>(std::count_if(inlines.begin(), inlines.end(), isKind(Inline::Kind::Tab)));
    std::vector<TabStop> stops;
    std::copy_if(paragraph.format.tabs.begin(), paragraph.format.tabs.end(), std::back_inserter(stops),
                 [&](const TabStop& stop) { return stop.position > paragraph.format.firstLineIndent; });
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TabStop& a, const TabStop& b) { return a.position < b.position; });
    if (tabs == 0 || stops.size() < tabs ||
        std::any_of(inlines.begin(), inlines.end(), isKind(Inline::Kind::LineBreak)))
        return {};
    stops.resize(tabs);
    return stops;
}

// Text after a tab, set at its stop: from the stop on (left), ending at it
// (right and decimal) or centred on it.
std::string tabbedStyle(const TabStop& stop, long leftIndent)
{
    CssStyle style;
    style.add("position", "absolute").length("left", stop.position - leftIndent).add("white-space", "nowrap");
    if (stop.type == 'R' || stop.type == 'D')
        style.add("transform", "translateX(-100%)");
    if (stop.type == 'C')
        style.add("transform", "translateX(-50%)");
    return style.text();
}

// The paragraph's inlines in segments: the first in the line's flow, each
// further one after a tab at its tab stop.
data segmentList(const Paragraph& paragraph)
{
    const std::vector<TabStop> targets = tabTargets(paragraph);
    data segments = list();
    data segment;
    data inlines = list();
    segment.set("positioned", data(false));
    size_t tab = 0;
    for (const Inline& piece : paragraph.inlines) {
        if (piece.kind == Inline::Kind::Tab && tab < targets.size()) {
            segment.set("inlines", inlines);
            segments.push_back(segment);
            segment = data();
            segment.set("positioned", data(true));
            segment.set("tabbed", tabbedStyle(targets[tab++], paragraph.format.leftIndent));
            inlines = list();
            continue;
        }
        inlines.push_back(inlineData(piece));
    }
    segment.set("inlines", inlines);
    segments.push_back(segment);
    return segments;
}

data paragraphData(const Paragraph& paragraph)
{
    data item;
    const bool tabbed = !tabTargets(paragraph).empty();
    item.set("style", paragraphStyle(paragraph.format) + (tabbed ? "position:relative;" : "") +
                          (paragraph.columnBreakBefore ? "break-before:column;" : ""));
    item.set("number", paragraph.number.empty() ? data(false) : data(visibleText(paragraph.number)));
    item.set("segments", segmentList(paragraph));
    return item;
}

data tableData(const Table& table)
{
    data item;
    data columns = list();
    for (const long width : table.columnWidths)
        columns.push_back(data("width", cssPoints(width)));
    item.set("colgroup", columns);
    data rows = list();
    for (const Row& row : table.rows) {
        data cells = list();
        for (const Cell& cell : row.cells) {
            if (cell.merged)
                continue;
            data cellItem;
            cellItem.set("columnSpan", std::to_string(cell.columnSpan));
            cellItem.set("rowSpan", std::to_string(cell.rowSpan));
            cellItem.set("style", CssStyle().shading(cell.shading).borders(cell.borders).text());
            cellItem.set("blocks", blockList(cell.blocks));
            cells.push_back(cellItem);
        }
        data rowItem;
        rowItem.set("header", data(row.header));
        rowItem.set("style", row.height > 0 ? CssStyle().length("height", row.height).text() : std::string());
        rowItem.set("cells", cells);
        rows.push_back(rowItem);
    }
    item.set("rows", rows);
    return item;
}

data frameData(const Frame& frame)
{
    data item;
    CssStyle style;
    switch (frame.placement) {
    case Frame::Placement::Left:
        style.add("float", "left");
        break;
    case Frame::Placement::Centre:
        style.add("float", "none").add("margin-left", "auto").add("margin-right", "auto");
        break;
    case Frame::Placement::Right:
        style.add("float", "right");
        break;
    case Frame::Placement::AtOffset:
        style.add("float", "left")
            .length("margin-left", frame.horizontalOffset)
            .length("margin-top", frame.verticalOffset);
        break;
    }
    if (frame.width > 0)
        style.length("width", frame.width);
    if (frame.height > 0)
        style.length("min-height", frame.height);
    item.set("style", style.borders(frame.borders).text());
    item.set("blocks", blockList(frame.blocks));
    return item;
}

data columnsData(const Columns& columns)
{
    data item;
    CssStyle style;
    style.add("column-count", std::to_string(std::max<size_t>(1, columns.widths.size())));
    item.set("style", style.add("column-rule", "1px dotted #bbb").text());
    item.set("blocks", blockList(columns.blocks));
    return item;
}

data blockList(const std::vector<Block>& blocks)
{
    data items = list();
    for (const Block& block : blocks) {
        data item;
        item.set("paragraph", block.paragraph ? paragraphData(*block.paragraph) : data(false));
        item.set("table", block.table ? tableData(*block.table) : data(false));
        item.set("frame", block.frame ? frameData(*block.frame) : data(false));
        item.set("sectionColumns", block.columns ? columnsData(*block.columns) : data(false));
        items.push_back(item);
    }
    return items;
}

data blockLists(const std::vector<std::vector<Block>>& lists)
{
    data items = list();
    for (const std::vector<Block>& blocks : lists)
        items.push_back(data("blocks", blockList(blocks)));
    return items;
}

data pageData(const Page& page)
{
    const PageLayout& layout = page.layout;
    data item;
    CssStyle style;
    style.length("width", layout.width)
        .length("min-height", layout.height)
        .add("padding", cssPoints(layout.topMargin) + " " + cssPoints(layout.rightMargin) + " " +
                            cssPoints(layout.bottomMargin) + " " + cssPoints(layout.leftMargin));
    item.set("style", style.borders(layout.borders).text());
    item.set("headers", blockLists(page.headers));
    item.set("footers", blockLists(page.footers));
    item.set("blocks", blockList(page.blocks));
    item.set("hasNotes", data(!page.notes.empty()));
    data notes = list();
    for (const Note& note : page.notes) {
        data noteItem;
        noteItem.set("id", note.id);
        noteItem.set("endnote", data(note.endnote));
        noteItem.set("blocks", blockList(note.blocks));
        notes.push_back(noteItem);
    }
    item.set("notes", notes);
    return item;
}

} // namespace

std::string htmlPage(const PreviewDocument& document, const std::string& title)
{
    data page;
    page.set("title", title);
    page.set("damage", document.damage.empty() ? data(false) : data(document.damage));
    data pages = list();
    for (const Page& each : document.pages)
        pages.push_back(pageData(each));
    page.set("pages", pages);
    data listed = list();
    for (const ListedCommand& command : document.listed) {
        data item;
        item.set("offset", std::to_string(command.offset));
        item.set("command", visibleText(command.command));
        item.set("remark", command.remark);
        item.set("mark", command.mark.empty() ? data(false) : data(command.mark));
        listed.push_back(item);
    }
    page.set("listed", listed);
    page.set("listedCount", std::to_string(document.listed.size()));
    page.set("block", partial([] { return std::string(kBlockTemplate); }));
    page.set("inline", partial([] { return std::string(kInlineTemplate); }));
    return mustache(kPageTemplate).render(page);
}

} // namespace icfdump::preview
