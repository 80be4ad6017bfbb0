/*
 * The vocabulary of a document's change list (item list CHLIST_CHANGES of
 * trx/platform.h): the change types, and the codes that value 1 of some of
 * them takes. A change record is a type and three 32-bit values; what the
 * values mean is given per type.
 */
#ifndef TRX_CHANGES_H
#define TRX_CHANGES_H

/* Change types. A "record id" is the id of a data record in list
 * CHLIST_DATA unless another list is named. */

/* Structure */
#define CHCHANGE_BREAK 0   /* value 1: the break kind (CHBREAK_*) */
#define CHCHANGE_SECTION 1 /* value 1 not 0: a section change the filter refuses */

/* Text and characters */
#define CHCHANGE_TEXT 7                 /* value 1: first unit id in CHLIST_TEXT, value 2: unit count */
#define CHCHANGE_ATTRIBUTE 8            /* value 1: attribute (CHATTR_*), value 2: 1 on, anything else off */
#define CHCHANGE_FONT_SIZE 9            /* value 1: size */
#define CHCHANGE_FONT 10                /* value 1: font id (CHLIST_FONTS) */
#define CHCHANGE_SPECIAL_CHARACTER 24   /* value 1: the character (CHSPECIAL_*) */
#define CHCHANGE_CHARACTER_SET 25       /* value 1: character set of the text that follows */
#define CHCHANGE_TEXT_COLOR 60          /* value 1: 1 automatic, value 2: colour 0x00BBGGRR */
#define CHCHANGE_BACKGROUND_COLOR 61    /* value 1: 1 automatic, value 2: colour 0x00BBGGRR */
#define CHCHANGE_WIDTH_ADJUSTMENT 62    /* value 1: 1 wider, else narrower; value 2: amount */
#define CHCHANGE_PAIR_KERNING 64        /* value 1: 1 on, value 2: size kerning starts at */
#define CHCHANGE_LANGUAGE 65            /* value 1: language identifier */
#define CHCHANGE_BASELINE_SHIFT 94      /* value 1: 0 up, else down; value 2: amount */
#define CHCHANGE_ADDITIONAL_FONT 119    /* value 1: font id, value 2: 1 Asian, 2 low-range font */
#define CHCHANGE_WIDE_CHARACTER_SET 123 /* value 1: default character set of wide strings */

/* Paragraphs */
#define CHCHANGE_ALIGNMENT 12    /* value 1: alignment code */
#define CHCHANGE_INDENTS 13      /* values 1 to 3: left, right, first-line indent */
#define CHCHANGE_LINE_SPACING 14 /* value 1: kind in the low byte, value 2: height */
#define CHCHANGE_CLEAR_TABS 21
/* value 1: kind and flags, value 2: leader and decimal character, value 3: position */
#define CHCHANGE_ADD_TAB 22
#define CHCHANGE_PARAGRAPH_UNUSED_1 23 /* paragraph changes the filter reads past */
#define CHCHANGE_PARAGRAPH_UNUSED_2 100
#define CHCHANGE_PARAGRAPH_UNUSED_3 101
#define CHCHANGE_HYPHENATION_ZONE 56  /* value 1: hot zone */
#define CHCHANGE_KEEP 57              /* value 1: flags, 1 keep together, 2 keep with next */
#define CHCHANGE_PARAGRAPH_BORDERS 58 /* value 2: record id of the 104-byte border record */
#define CHCHANGE_PARAGRAPH_SHADING 59 /* value 1: 1 on, value 2: record id of the 20-byte shading record */
#define CHCHANGE_DEFAULT_TAB_WIDTH 88 /* value 1: width */
#define CHCHANGE_ONE_INDENT 97        /* value 1: 0 left, 1 right, 2 first line; value 3: the indent */
#define CHCHANGE_SPACE_BEFORE 98      /* value 2: space */
#define CHCHANGE_SPACE_AFTER 99       /* value 2: space */
#define CHCHANGE_REMOVE_TABS 102      /* value 1: position, value 2: tolerance */
#define CHCHANGE_WIDOW_CONTROL 129    /* value 1: 1 on, value 2: lines kept together */
#define CHCHANGE_ORPHAN_CONTROL 132   /* value 1: 1 on, value 2: lines kept together */

/* The 104-byte paragraph border record of CHCHANGE_PARAGRAPH_BORDERS: byte
 * offsets of its four border records (CHBORDER_*); the word before them and
 * the 20 bytes after them are unused. */
#define CHPARABORDERS_RECORD_SIZE 104
#define CHPARABORDERS_TOP 4
#define CHPARABORDERS_LEFT 24
#define CHPARABORDERS_BOTTOM 44
#define CHPARABORDERS_RIGHT 64

/* Tables */
#define CHCHANGE_BEGIN_TABLE 16
#define CHCHANGE_END_TABLE 17
#define CHCHANGE_ROW_FORMAT 18  /* value 1: row format id (CHLIST_ROW_FORMATS) */
#define CHCHANGE_CELL_FORMAT 19 /* value 1: cell format id (CHLIST_CELL_FORMATS) */
/* The row format record (CHLIST_ROW_FORMATS, CHRECORD_SIZE_ROW_FORMAT
 * bytes): byte offsets of its big-endian words, the flag of its first word,
 * its height types and its alignments. */
#define CHROW_FLAGS 0
#define CHROW_LEFT 4
#define CHROW_HEIGHT 8
#define CHROW_HEIGHT_TYPE 12
#define CHROW_ALIGN 20
#define CHROW_CELLS 24 /* number of cells */
#define CHROW_HEADER 0x01u
#define CHROW_HEIGHT_AT_LEAST 2
#define CHROW_HEIGHT_EXACT 3
#define CHROW_ALIGN_LEFT 1
#define CHROW_ALIGN_CENTER 2
#define CHROW_ALIGN_RIGHT 3
/* The cell format record (CHLIST_CELL_FORMATS, CHRECORD_SIZE_CELL_FORMAT
 * bytes): byte offsets of its big-endian words, of its shading record and of
 * its four border records; its merge flags and its vertical alignments,
 * which stand in the upper 16 bits of their word. */
#define CHCELL_LEFT_GUTTER 8
#define CHCELL_RIGHT_GUTTER 12
#define CHCELL_WIDTH 16
#define CHCELL_MERGE 20
#define CHCELL_SHADING 24
#define CHCELL_ALIGN 44
#define CHCELL_ALIGN_SHIFT 16
#define CHCELL_LEFT_BORDER 48
#define CHCELL_RIGHT_BORDER 68
#define CHCELL_TOP_BORDER 88
#define CHCELL_BOTTOM_BORDER 108
#define CHCELL_MERGE_BEFORE 0x01u
#define CHCELL_MERGE_AFTER 0x02u
#define CHCELL_MERGE_ABOVE 0x04u
#define CHCELL_MERGE_BELOW 0x08u
#define CHCELL_ALIGN_TOP 1
#define CHCELL_ALIGN_CENTER 2
#define CHCELL_ALIGN_BOTTOM 3
/* The 20-byte border record of cells, frames, paragraphs and pages: byte
 * offsets of its big-endian words, the flag of its line style word, and the
 * line styles (CHLINE_*). */
#define CHBORDER_RECORD_SIZE 20
#define CHBORDER_THICKNESS 0
#define CHBORDER_COLOR 4 /* 0x00BBGGRR */
#define CHBORDER_LINE_STYLE 8
#define CHBORDER_INSIDE 12  /* inside spacing */
#define CHBORDER_OUTSIDE 16 /* outside spacing */
#define CHBORDER_PRIORITY 0x40u
#define CHLINE_SINGLE 0
#define CHLINE_NONE 1
#define CHLINE_DOUBLE 2
#define CHLINE_THICK 8
#define CHLINE_DOTTED 32
#define CHLINE_DASHED 128
#define CHLINE_DOT_DASH 256
#define CHLINE_DOT_DOT_DASH 512
/* The 20-byte shading record of cells and paragraphs: byte offsets of its
 * big-endian words (the word at 16 is unused), and its pattern indexes (1
 * to 12 are patterns). */
#define CHSHADING_RECORD_SIZE 20
#define CHSHADING_PATTERN 0
#define CHSHADING_TRANSPARENCY 4
#define CHSHADING_FOREGROUND 8  /* 0x00BBGGRR */
#define CHSHADING_BACKGROUND 12 /* 0x00BBGGRR */
#define CHSHADING_NONE 0
#define CHSHADING_SOLID 13

/* Sections, pages and columns */
#define CHCHANGE_SIDE_MARGINS 20       /* value 1: left, value 2: right margin */
#define CHCHANGE_PAGE_BORDERS 32       /* value 1: record id of the 80-byte page border record */
#define CHCHANGE_BINDING_WIDTH 33      /* value 1: record id of the 16-byte binding record */
#define CHCHANGE_PAGE_SIZE 34          /* value 1: height, value 2: width */
#define CHCHANGE_ORIENTATION 35        /* value 1: 1 landscape */
#define CHCHANGE_DOUBLE_SIDED 36       /* value 1: 1 on */
#define CHCHANGE_TOP_BOTTOM_MARGINS 37 /* value 1: top, value 2: bottom margin */
#define CHCHANGE_PAGE_UNUSED_1 38      /* page changes the filter reads past */
#define CHCHANGE_PAGE_UNUSED_2 40
#define CHCHANGE_SECTION_START 39 /* value 1: 1 on a new odd page */
#define CHCHANGE_BINDING_TYPE 41  /* value 1: binding code */
/* value 1: record id of the 84-byte format record, value 2: flags, value 3: slot id */
#define CHCHANGE_SUBDOCUMENT_SLOT 47
/* value 1: record id of the 36-byte area record, value 2: 1 footnotes, 2 endnotes */
#define CHCHANGE_NOTE_AREA 48
#define CHCHANGE_COLUMN_UNUSED_1 49 /* column changes the filter reads past */
#define CHCHANGE_COLUMN_UNUSED_2 55
#define CHCHANGE_END_COLUMNS 50
#define CHCHANGE_BEGIN_COLUMNS 51 /* value 1: record id of the 20-byte column record */
#define CHCHANGE_ADD_COLUMN 52    /* value 1: record id of the 16-byte column definition */
#define CHCHANGE_COLUMNS_DONE 53

/* The 80-byte page border record of CHCHANGE_PAGE_BORDERS: byte offsets of
 * its four border records (CHBORDER_*). */
#define CHPAGEBORDERS_RECORD_SIZE 80
#define CHPAGEBORDERS_TOP 0
#define CHPAGEBORDERS_LEFT 20
#define CHPAGEBORDERS_BOTTOM 40
#define CHPAGEBORDERS_RIGHT 60

/* The 16-byte binding record of CHCHANGE_BINDING_WIDTH: the byte offset of
 * its width. */
#define CHBINDING_RECORD_SIZE 16
#define CHBINDING_WIDTH 0

/* The 84-byte format record of CHCHANGE_SUBDOCUMENT_SLOT: byte offsets of a
 * header's and a footer's distance from the page edge. */
#define CHSLOTFORMAT_RECORD_SIZE 84
#define CHSLOTFORMAT_HEADER_DISTANCE 32
#define CHSLOTFORMAT_FOOTER_DISTANCE 64

/* The 36-byte area record of CHCHANGE_NOTE_AREA: byte offsets of its
 * big-endian words, and where the notes are placed (the location word). */
#define CHNOTEAREA_RECORD_SIZE 36
#define CHNOTEAREA_HOT_ZONE 0
#define CHNOTEAREA_HEIGHT 4
#define CHNOTEAREA_LOCATION 16
#define CHNOTEAREA_PAGE_BOTTOM 1
#define CHNOTEAREA_BELOW_TEXT 2
#define CHNOTEAREA_SECTION_END 4
#define CHNOTEAREA_DOCUMENT_END 8

/* The 20-byte column record of CHCHANGE_BEGIN_COLUMNS and the 16-byte column
 * definition of CHCHANGE_ADD_COLUMN: byte offsets of their big-endian
 * words, and the flags of the record's first word. A column's width holds
 * its gutter, the space after it. */
#define CHCOLUMNS_RECORD_SIZE 20
#define CHCOLUMNS_FLAGS 0
#define CHCOLUMNS_LEFT_OFFSET 4
#define CHCOLUMNS_COUNT 8
#define CHCOLUMNS_SPACING 12
#define CHCOLUMNS_BALANCED 0x04u
#define CHCOLUMNS_EQUAL 0x20u /* columns of equal width, computed from the page */
#define CHCOLUMN_RECORD_SIZE 16
#define CHCOLUMN_WIDTH 4
#define CHCOLUMN_GUTTER 8

/* Headers, footers and notes */
#define CHCHANGE_HEADER_FOOTER 43 /* value 3: sub-document slot id */
#define CHCHANGE_HEADER_UNUSED 46 /* a header change the filter reads past */
#define CHCHANGE_NOTE 44          /* value 1: 1 footnote, 2 endnote, 3 comment */

/* Styles */
#define CHCHANGE_APPLY_STYLE 28    /* value 2: style id */
#define CHCHANGE_STYLE_RELATION 95 /* value 1: attribute (CHATTR_*), value 3: relation (CHRELATION_*) */

/* The 28-byte data record of a style definition (CHTAG_STYLE_DEFINITION):
 * byte offsets of its big-endian words, the style's id, its kind (CHSTYLE_*
 * below), the id of the change that names it (0: no name) and the id of
 * the style it is based on (CHSTYLE_NO_BASE: none). */
#define CHSTYLE_RECORD_SIZE 28
#define CHSTYLE_ID 4
#define CHSTYLE_KIND 8
#define CHSTYLE_NAME 16
#define CHSTYLE_BASE 20
#define CHSTYLE_NO_BASE 0xFFFFFFFFu

/* Kinds of style: the word at CHSTYLE_KIND. Applying a style id that no
 * definition has made creates a list style. */
#define CHSTYLE_PARAGRAPH 1
#define CHSTYLE_CHARACTER 2
#define CHSTYLE_LIST 3

/* Counters */
/* value 1: kind, value 2: level, value 3: record id of the 36-byte counter record */
#define CHCHANGE_DEFINE_COUNTER 29
#define CHCHANGE_RESTART_COUNTER 30   /* value 1: kind, value 2: level, value 3: value */
#define CHCHANGE_COUNTER_REFERENCE 31 /* inside a list number's text: a number of a level */
#define CHCHANGE_APPLY_COUNTER 93     /* value 1: kind, value 2: level, value 3: value */

/* The 36-byte counter record of CHCHANGE_DEFINE_COUNTER: byte offsets of
 * its big-endian words. The restart flags (CHRESTART_*) are a note
 * counter's; the start word's low 16 bits are a list's first number; the
 * step of a list's numbers is the low 16 bits of CHCOUNTER_COUNT_BY; the
 * number text is the tag id of the nested paragraph holding a list number's
 * text (CHTAG_NUMBER_TEXT); the format word is CHFORMAT_*. */
#define CHCOUNTER_RECORD_SIZE 36
#define CHCOUNTER_RESTART 0
#define CHCOUNTER_START 4
#define CHCOUNTER_COUNT_BY 8
#define CHCOUNTER_NUMBER_TEXT 24
#define CHCOUNTER_FORMAT 32

/* Kinds of counter: value 1 of the counter changes and of
 * CHCHANGE_COUNTER_REFERENCE. A list counter's value 2 is the list level
 * counted from 0. */
#define CHCOUNTER_PAGE_NUMBER 6
#define CHCOUNTER_FOOTNOTE_NUMBER 7
#define CHCOUNTER_LIST_NUMBER 10
#define CHCOUNTER_ENDNOTE_NUMBER 14

/* Value 3 of CHCHANGE_APPLY_COUNTER for a list number: this value numbers
 * the paragraph at the level of value 2, any other removes its numbering. */
#define CHCOUNTER_NUMBERED 1
#define CHCOUNTER_NOT_NUMBERED 0
/* Value 3 of CHCHANGE_RESTART_COUNTER outside a list style's definition:
 * the level starts again at its first number. */
#define CHCOUNTER_RESTART_AT_START 0

/* Number formats: the format code of a counter record (a list's is the low
 * 16 bits of its format word). Letters and numerals are upper case unless a
 * list's format word carries CHFORMAT_LOWER_CASE. */
#define CHFORMAT_DECIMAL 1
#define CHFORMAT_LETTERS 2
#define CHFORMAT_ROMAN 3
#define CHFORMAT_ORDINAL 4
#define CHFORMAT_CARDINAL_WORDS 5
#define CHFORMAT_ORDINAL_WORDS 6
#define CHFORMAT_DECIMAL_TOO 10 /* decimal as well */
#define CHFORMAT_CODE_MASK 0xFFFFu
#define CHFORMAT_LOWER_CASE 0x20000u

/* How often note numbers restart: the restart flags of a note counter's
 * record (any other value: never). */
#define CHRESTART_MASK 0x7u
#define CHRESTART_EACH_PAGE 1
#define CHRESTART_EACH_SECTION 2

/* Objects and tags */
#define CHCHANGE_EMBEDDED_OBJECT 26 /* value 1: object id (CHLIST_EMBEDDED_OBJECTS) */
#define CHCHANGE_FRAME 45           /* value 3: record id of the 188-byte frame record */
#define CHCHANGE_BEGIN_TAG 67       /* value 1: tag type (CHTAG_*), value 2: tag id, value 3: record id */
#define CHCHANGE_END_TAG 68         /* value 1: tag type, value 2: tag id */

/* The 8-byte data record of a table-of-contents bookmark tag: byte offsets
 * of its outline level and of the word that, when not 0, hides its text. */
#define CHTOCBOOKMARK_RECORD_SIZE 8
#define CHTOCBOOKMARK_LEVEL 0
#define CHTOCBOOKMARK_HIDDEN 4

/* The 4-byte data record of a summary item tag (CHTAG_SUMMARY_ITEM): the
 * byte offset of the item's type. */
#define CHSUMMARY_RECORD_SIZE 4
#define CHSUMMARY_TYPE 0

/* The 12-byte data record of a hyperlink tag (CHTAG_HYPERLINK); none of
 * its words is read. */
#define CHHYPERLINK_RECORD_SIZE 12

/* The 16-byte data record of a date field tag (CHTAG_DATE_FIELD): the byte
 * offset of its kind word, and the kind of a date. */
#define CHDATEFIELD_RECORD_SIZE 16
#define CHDATEFIELD_KIND 8
#define CHDATEFIELD_DATE 1

/* The 188-byte frame record of CHCHANGE_FRAME: byte offsets of its
 * big-endian words and of its four border records, and the values of its
 * words: the kind, the vertical flag that measures a paragraph anchor's
 * vertical offset from its paragraph, the anchor kind (the low six bits of
 * its word), the size flags, and the switch that turns the shading off. */
#define CHFRAME_RECORD_SIZE 188
#define CHFRAME_KIND 0
#define CHFRAME_VERTICAL_FLAGS 8
#define CHFRAME_HORIZONTAL_FLAGS 12
#define CHFRAME_HORIZONTAL_OFFSET 16
#define CHFRAME_VERTICAL_OFFSET 20
#define CHFRAME_ANCHOR 24
#define CHFRAME_SIZE_FLAGS 72
#define CHFRAME_WIDTH 76
#define CHFRAME_HEIGHT 80
#define CHFRAME_TOP_BORDER 92
#define CHFRAME_LEFT_BORDER 112
#define CHFRAME_BOTTOM_BORDER 132
#define CHFRAME_RIGHT_BORDER 152
#define CHFRAME_SHADING_SWITCH 176
#define CHFRAME_SHADING_COLOR 180 /* 0x00BBGGRR */
#define CHFRAME_KIND_DROP_CAP 2
#define CHFRAME_FROM_PARAGRAPH 0x02u
#define CHFRAME_ANCHOR_MASK 0x3Fu
#define CHFRAME_ANCHOR_CHARACTER 8
#define CHFRAME_ANCHOR_PARAGRAPH 16
#define CHFRAME_ANCHOR_CONTAINER 32
#define CHFRAME_TRANSPARENT 0x01u
#define CHFRAME_AUTO_WIDTH 0x08u
#define CHFRAME_AUTO_HEIGHT 0x10u
#define CHFRAME_SHADING_OFF 0x01u

/* Properties of an object, read by the change that announced them */
#define CHCHANGE_PROPERTY_TEXT 192 /* value 1: first unit id in CHLIST_PROPERTY_TEXT, value 3: unit count */
#define CHCHANGE_PROPERTY 193      /* value 1: kind, value 2: id of the change holding its text */
#define CHCHANGE_END_PROPERTIES 194
#define CHCHANGE_PROPERTY_RESERVED 195 /* among an object's properties; read with them, never on its own */

/* Kinds of property: value 1 of CHCHANGE_PROPERTY. */
#define CHPROPERTY_FILE_NAME 0x2 /* a file name; an included document's location */
#define CHPROPERTY_URL 0x80
#define CHPROPERTY_BOOKMARK 0x200

/* The embedded object record (CHLIST_EMBEDDED_OBJECTS,
 * CHRECORD_SIZE_EMBEDDED_OBJECT bytes): byte offsets of its big-endian
 * words, and their flags. The kind word says what the object is, the
 * display word how it is shown; the two property words are the ids of the
 * changes where the property changes of a picture and of an included
 * document begin. */
#define CHOBJECT_KIND 8
#define CHOBJECT_SOURCE_HEIGHT 16 /* the picture's own size */
#define CHOBJECT_SOURCE_WIDTH 20
#define CHOBJECT_CROP_TOP 24
#define CHOBJECT_CROP_LEFT 28
#define CHOBJECT_CROP_BOTTOM 32
#define CHOBJECT_CROP_RIGHT 36
#define CHOBJECT_HEIGHT 40 /* the size it is shown at */
#define CHOBJECT_WIDTH 44
#define CHOBJECT_DISPLAY 128
#define CHOBJECT_PROPERTIES 132
#define CHOBJECT_DOCUMENT_PROPERTIES 136
#define CHOBJECT_INCLUDED_DOCUMENT 0x08 /* a document included by its location, else a picture */
#define CHOBJECT_KEEP_ASPECT_RATIO 0x01

/* Break kinds: value 1 of CHCHANGE_BREAK. */
#define CHBREAK_PARAGRAPH_END 1
#define CHBREAK_DOCUMENT_END 2
#define CHBREAK_ROW_END 19
#define CHBREAK_CELL_END 20
#define CHBREAK_COLUMN 21 /* a column break in the text */
#define CHBREAK_SECTION 22
#define CHBREAK_DOCUMENT_PROPERTIES_DONE 254

/* Character attributes: value 1 of CHCHANGE_ATTRIBUTE and of
 * CHCHANGE_STYLE_RELATION. Codes from CHATTR_FONT_SIZE to
 * CHATTR_CHARACTER_STYLE, and CHATTR_OTHER_UNDERLINE, name an attribute
 * only in a style relation. */
#define CHATTR_BOLD 2
#define CHATTR_ITALIC 3
#define CHATTR_UNDERLINE 4
#define CHATTR_DOUBLE_UNDERLINE 5
#define CHATTR_SMALL_CAPS 6
#define CHATTR_OUTLINE 7
#define CHATTR_SHADOW 8
#define CHATTR_ALL_CAPS 9
#define CHATTR_SUBSCRIPT 10
#define CHATTR_SUPERSCRIPT 11
#define CHATTR_STRIKEOUT 12
#define CHATTR_WORD_UNDERLINE 13 /* underline of words only */
#define CHATTR_DOTTED_UNDERLINE 14
#define CHATTR_HIDDEN 15
#define CHATTR_LOWER_CASE 16
#define CHATTR_TITLE_CASE 17
#define CHATTR_PROTECTED 18
#define CHATTR_REVISION_ADDED 19
#define CHATTR_REVISION_DELETED 20
#define CHATTR_FLASHING 21
#define CHATTR_REVERSE 22
#define CHATTR_FONT_SIZE 23
#define CHATTR_FONT 24
#define CHATTR_TEXT_COLOR 25
#define CHATTR_BACKGROUND_COLOR 26
#define CHATTR_WIDTH_ADJUSTMENT 27
#define CHATTR_PAIR_KERNING 30
#define CHATTR_LANGUAGE 31
#define CHATTR_CHARACTER_STYLE 33
#define CHATTR_EMBOSSED 38
#define CHATTR_ENGRAVED 39
#define CHATTR_DOUBLE_STRIKEOUT 40
#define CHATTR_OTHER_UNDERLINE 41
#define CHATTR_THICK_UNDERLINE 42
#define CHATTR_DASH_UNDERLINE 43
#define CHATTR_DOT_DASH_UNDERLINE 44
#define CHATTR_DOT_DOT_DASH_UNDERLINE 45
#define CHATTR_WAVE_UNDERLINE 46

/* Relations of an attribute to the style: value 3 of
 * CHCHANGE_STYLE_RELATION. */
#define CHRELATION_SAME_AS_STYLE 2
#define CHRELATION_OPPOSITE_OF_STYLE 4

/* Alignment codes: value 1 of CHCHANGE_ALIGNMENT. */
#define CHALIGN_LEFT 1
#define CHALIGN_RIGHT 2
#define CHALIGN_CENTER 3
#define CHALIGN_JUSTIFY 4

/* The indent CHCHANGE_ONE_INDENT sets: its value 1. The first line is
 * measured from the left indent. */
#define CHINDENT_LEFT 0
#define CHINDENT_RIGHT 1
#define CHINDENT_FIRST_LINE 2

/* Kinds of line spacing: the low byte of value 1 of CHCHANGE_LINE_SPACING.
 * Any other kind with a height of 0 is single spacing. */
#define CHSPACING_SINGLE 0
#define CHSPACING_AT_LEAST 2 /* written as a spacing in lines of 240 */
#define CHSPACING_EXACT 3

/* Kinds of tab stop: the low byte of value 1 of CHCHANGE_ADD_TAB; with
 * CHTAB_BAR_FLAG set the stop is a bar. The leader character is the high
 * 16 bits of value 2, a decimal stop's character the low 16 bits. */
#define CHTAB_LEFT 1
#define CHTAB_RIGHT 2
#define CHTAB_CENTER 3
#define CHTAB_DECIMAL 4
#define CHTAB_BAR_FLAG 0x200u
#define CHTAB_LEADER_SHIFT 16

/* Kinds of note: value 1 of CHCHANGE_NOTE. */
#define CHNOTE_FOOTNOTE 1
#define CHNOTE_ENDNOTE 2
#define CHNOTE_COMMENT 3

/* Flags of a sub-document slot: value 2 of CHCHANGE_SUBDOCUMENT_SLOT. The
 * bits of CHSLOT_PAGES_MASK say on which pages a header or footer appears,
 * those of CHSLOT_KIND_MASK whether the slot holds one. */
#define CHSLOT_PAGES_MASK 0x87u
#define CHSLOT_ODD_PAGES 0x02u
#define CHSLOT_EVEN_PAGES 0x04u
#define CHSLOT_ALL_PAGES 0x06u
#define CHSLOT_WITH_FIRST_PAGE 0x80u /* with one of the three above: the first page too */
#define CHSLOT_KIND_MASK 0x78u
#define CHSLOT_HEADER 0x08u
#define CHSLOT_FOOTER 0x10u

/* The tag ids of the note separators (CHTAG_NOTE_SEPARATOR), in this
 * order: footnote separator, continuation separator and continuation
 * notice, then the same three for endnotes. */
#define CHSEPARATOR_FIRST_ID 0x80000001u
#define CHSEPARATOR_ID_COUNT 6u

/* Special characters: value 1 of CHCHANGE_SPECIAL_CHARACTER. */
#define CHSPECIAL_TAB 1
#define CHSPECIAL_SOFT_HYPHEN 3
#define CHSPECIAL_PAGE_BREAK 4
#define CHSPECIAL_LINE_BREAK 5
#define CHSPECIAL_NONBREAKING_SPACE 6
#define CHSPECIAL_HARD_HYPHEN 7
#define CHSPECIAL_PAGE_NUMBER 8
#define CHSPECIAL_DATE 9
#define CHSPECIAL_TIME 10
#define CHSPECIAL_INDEX_ENTRY 312 /* the paragraph's text so far becomes an index entry */
#define CHSPECIAL_INDEX_SUBENTRY 313
/* Inside a date field's format, the parts of the date or time: from
 * CHSPECIAL_DATE_PART_FIRST to CHSPECIAL_DATE_PART_LAST. */
#define CHSPECIAL_DATE_PART_FIRST 0x120
#define CHSPECIAL_DATE_PART_LAST 0x133
/* Three of the date parts: the day of the month, the month as a number
 * and the year. */
#define CHSPECIAL_DATE_DAY 0x121
#define CHSPECIAL_DATE_MONTH 0x123
#define CHSPECIAL_DATE_YEAR 0x127

/* Tag types: value 1 of CHCHANGE_BEGIN_TAG and CHCHANGE_END_TAG. */
#define CHTAG_BOOKMARK 0x80020008u
#define CHTAG_REFERENCE 0x8003000Cu
#define CHTAG_HYPERLINK 0x801D0010u
#define CHTAG_TOC_BOOKMARK_A 0x00160008u /* a table-of-contents bookmark */
#define CHTAG_TOC_BOOKMARK_B 0x20160008u
#define CHTAG_TABLE_OF_CONTENTS 0x00170000u
#define CHTAG_INDEX 0x00180000u
#define CHTAG_INDEX_BOOKMARK 0x200C0000u /* the text of an index entry */
#define CHTAG_DATE_FIELD 0x00210010u
#define CHTAG_NOTE_MARK_A 0x80050000u /* a note reference mark */
#define CHTAG_NOTE_MARK_B 0x80060000u
#define CHTAG_NOTE_MARK_C 0x80070000u
#define CHTAG_SUMMARY_ITEM 0xA0010004u
#define CHTAG_STYLE_DEFINITION 0xA008001Cu
#define CHTAG_NOTE_SEPARATOR 0xA00A0000u
#define CHTAG_FRAME_CONTENT 0xA0090000u
#define CHTAG_NESTED_PARAGRAPH 0x201E000Cu /* a date field's format */
#define CHTAG_NUMBER_TEXT 0xA0120000u      /* a nested paragraph holding a list number's text */
#define CHTAG_FORMATTING_SCOPE 0x20200008u /* character formatting is restored at its end */
/* A tag of no kind of its own: a header, footer, note or comment opened
 * inside it ends with it. */
#define CHTAG_SUBDOCUMENT 0xA0020000u

#endif
