#include "fuzz/FuzzDocument.h"

#include "trx/changes.h"
#include "trxhost/ItemList.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

namespace fuzzdoc {
namespace {

using trxhost::Document;

// The change types the reader has handlers for; a type byte below
// kRawTypeByte picks one of these, so that most changes reach a handler.
constexpr uint32_t kHandledTypes[] = {
    CHCHANGE_BREAK,
    CHCHANGE_SECTION,
    CHCHANGE_TEXT,
    CHCHANGE_ATTRIBUTE,
    CHCHANGE_FONT_SIZE,
    CHCHANGE_FONT,
    CHCHANGE_ALIGNMENT,
    CHCHANGE_INDENTS,
    CHCHANGE_LINE_SPACING,
    CHCHANGE_BEGIN_TABLE,
    CHCHANGE_END_TABLE,
    CHCHANGE_ROW_FORMAT,
    CHCHANGE_CELL_FORMAT,
    CHCHANGE_SIDE_MARGINS,
    CHCHANGE_CLEAR_TABS,
    CHCHANGE_ADD_TAB,
    CHCHANGE_PARAGRAPH_UNUSED_1,
    CHCHANGE_SPECIAL_CHARACTER,
    CHCHANGE_CHARACTER_SET,
    CHCHANGE_EMBEDDED_OBJECT,
    CHCHANGE_APPLY_STYLE,
    CHCHANGE_DEFINE_COUNTER,
    CHCHANGE_RESTART_COUNTER,
    CHCHANGE_PAGE_BORDERS,
    CHCHANGE_BINDING_WIDTH,
    CHCHANGE_PAGE_SIZE,
    CHCHANGE_ORIENTATION,
    CHCHANGE_DOUBLE_SIDED,
    CHCHANGE_TOP_BOTTOM_MARGINS,
    CHCHANGE_PAGE_UNUSED_1,
    CHCHANGE_SECTION_START,
    CHCHANGE_PAGE_UNUSED_2,
    CHCHANGE_BINDING_TYPE,
    CHCHANGE_HEADER_FOOTER,
    CHCHANGE_NOTE,
    CHCHANGE_FRAME,
    CHCHANGE_HEADER_UNUSED,
    CHCHANGE_SUBDOCUMENT_SLOT,
    CHCHANGE_NOTE_AREA,
    CHCHANGE_COLUMN_UNUSED_1,
    CHCHANGE_END_COLUMNS,
    CHCHANGE_BEGIN_COLUMNS,
    CHCHANGE_ADD_COLUMN,
    CHCHANGE_COLUMNS_DONE,
    CHCHANGE_COLUMN_UNUSED_2,
    CHCHANGE_HYPHENATION_ZONE,
    CHCHANGE_KEEP,
    CHCHANGE_PARAGRAPH_BORDERS,
    CHCHANGE_PARAGRAPH_SHADING,
    CHCHANGE_TEXT_COLOR,
    CHCHANGE_BACKGROUND_COLOR,
    CHCHANGE_WIDTH_ADJUSTMENT,
    CHCHANGE_PAIR_KERNING,
    CHCHANGE_LANGUAGE,
    CHCHANGE_BEGIN_TAG,
    CHCHANGE_END_TAG,
    CHCHANGE_DEFAULT_TAB_WIDTH,
    CHCHANGE_APPLY_COUNTER,
    CHCHANGE_BASELINE_SHIFT,
    CHCHANGE_STYLE_RELATION,
    CHCHANGE_ONE_INDENT,
    CHCHANGE_SPACE_BEFORE,
    CHCHANGE_SPACE_AFTER,
    CHCHANGE_PARAGRAPH_UNUSED_2,
    CHCHANGE_PARAGRAPH_UNUSED_3,
    CHCHANGE_REMOVE_TABS,
    CHCHANGE_ADDITIONAL_FONT,
    CHCHANGE_WIDE_CHARACTER_SET,
    CHCHANGE_WIDOW_CONTROL,
    CHCHANGE_ORPHAN_CONTROL,
    // Read ahead by the handlers of objects, tags and list counters.
    CHCHANGE_COUNTER_REFERENCE,
    CHCHANGE_PROPERTY_TEXT,
    CHCHANGE_PROPERTY,
    CHCHANGE_END_PROPERTIES,
    CHCHANGE_PROPERTY_RESERVED,
};
constexpr std::size_t kHandledTypeCount = std::size(kHandledTypes);
// From this byte on, the type is one that has no handler (or no table slot).
constexpr uint8_t kRawTypeByte = 0xF0;
constexpr uint32_t kRawTypes[] = {
    2, 3, 4, 5, 6, 11, 15, 27, 42, 54, 63, 66, 196, 254, 255, 0xFFFFFFFF,
};

// Word bytes: below kScaledByte the number itself, then multiples of
// kTwipStep, then ids of data records, then boundary values.
constexpr uint8_t kScaledByte = 0x80;
constexpr uint32_t kTwipStep = 180;
constexpr uint8_t kRecordByte = 0xE0;
constexpr std::size_t kMaxRecords = 16;
constexpr uint8_t kSpecialByte = 0xF0;
constexpr uint32_t kSpecialWords[] = {
    0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0xFFFF, 0x8000, 0xFFFFFE98, 0xFFFFFA60, 0xFF0000,
    0xFFFFFF,   0x13A40000, 0x200,      0x80,   254,    0x14B00000, 0xFFFFFFFE, 0x40000000,
};
static_assert(kSpecialByte + std::size(kSpecialWords) == 0x100, "every byte stands for a word");
static_assert(kSpecialByte - kRecordByte == kMaxRecords, "every data record has a byte");

// Font character sets by byte; other bytes are words.
constexpr uint32_t kCharSets[] = {
    0x14B00000, 0x14E40100, 0x14E20100, 0x13A40000, 0x20000100, 0x80000100, 0x12D00100, 0x00030100,
};

// Text units from 0xF0 on; below, a byte is the unit itself.
constexpr uint8_t kSpecialUnitByte = 0xF0;
constexpr uint16_t kSpecialUnits[] = {
    0xD800, 0xDC00, 0xFFFF, 0xFFFE, 0x2028, 0x2029, 0xFEFF, 0x00A0,
    0x00AD, 0x2011, 0x0000, 0x001F, 0x20AC, 0x4E2D, 0x0600, 0x05D0,
};

constexpr std::size_t kMaxFonts = 4;
constexpr std::size_t kMaxFormats = 4; // of each of lists 10, 11 and 13
constexpr std::size_t kMaxTracks = 8;
constexpr std::size_t kMaxObjects = 4;
constexpr uint8_t kFailureByte = 0xE0;
constexpr TRXERR kFailureCodes[] = {77, TRXERR_NOITEM, TRXERR_BADPARAM, -5};

// Export options by byte (none below kOptionByte), the numeric ones the
// filter reads; a value byte below the table's size picks a code page.
constexpr uint8_t kOptionByte = 0xC0;
constexpr uint32_t kOptions[] = {
    DAOPT_REPORTING_LEVEL,
    DAOPT_DEFAULT_CODE_PAGE,
    DAOPT_ENABLE_GRAPHICS,
    DAOPT_KEEP_GRAPHIC_TEMP_FILES,
    DAOPT_EMBEDDED_GRAPHICS_CONVERT,
    DAOPT_REFERENCED_GRAPHICS_KEEP,
    DAOPT_REFERENCED_GRAPHICS_CONVERT,
    DAOPT_CONVERT_ALL_GRAPHICS,
    DAOPT_CONVERT_ALL_GRAPHICS_CHECKED,
    DAOPT_DISABLE_GRAPHICS,
    DAOPT_DISABLE_GRAPHICS_RECTS,
};
constexpr uint32_t kCodePages[] = {1252, 1250, 932, 936, 949, 950, 437, 850, 852, 720, 0, 9998, 9999, 65001};

// The sizes of the data records the handlers read.
constexpr uint32_t kRecordSizes[] = {4, 8, 12, 16, 20, 28, 36, 80, 84, 104, 188};

// Tag types by value-1 byte of a tag change, so that every kind of tag is
// reached; other bytes are words.
constexpr uint32_t kTagTypes[] = {
    CHTAG_BOOKMARK,
    CHTAG_REFERENCE,
    CHTAG_HYPERLINK,
    CHTAG_TOC_BOOKMARK_A,
    CHTAG_TOC_BOOKMARK_B,
    CHTAG_TABLE_OF_CONTENTS,
    CHTAG_INDEX,
    CHTAG_INDEX_BOOKMARK,
    CHTAG_DATE_FIELD,
    CHTAG_NOTE_MARK_A,
    CHTAG_NOTE_MARK_B,
    CHTAG_NOTE_MARK_C,
    CHTAG_SUMMARY_ITEM,
    CHTAG_STYLE_DEFINITION,
    CHTAG_NOTE_SEPARATOR,
    CHTAG_FRAME_CONTENT,
    CHTAG_NESTED_PARAGRAPH,
    CHTAG_NUMBER_TEXT,
    CHTAG_FORMATTING_SCOPE,
};

bool isTagChange(uint32_t type)
{
    return type == CHCHANGE_BEGIN_TAG || type == CHCHANGE_END_TAG;
}

// Changes that read a data record: the value that holds its id, its size.
struct RecordReader {
    unsigned value;
    uint32_t size;
};
const std::map<uint32_t, RecordReader>& recordReaders()
{
    static const std::map<uint32_t, RecordReader> readers = {
        {CHCHANGE_DEFINE_COUNTER, {3, 36}},    {CHCHANGE_PAGE_BORDERS, {1, 80}},
        {CHCHANGE_BINDING_WIDTH, {1, 16}},     {CHCHANGE_SUBDOCUMENT_SLOT, {1, 84}},
        {CHCHANGE_NOTE_AREA, {1, 36}},         {CHCHANGE_BEGIN_COLUMNS, {1, 20}},
        {CHCHANGE_ADD_COLUMN, {1, 16}},        {CHCHANGE_PARAGRAPH_BORDERS, {2, 104}},
        {CHCHANGE_PARAGRAPH_SHADING, {2, 20}}, {CHCHANGE_FRAME, {3, 188}},
        {CHCHANGE_BEGIN_TAG, {3, 28}},
    };
    return readers;
}

// The size of the record a begin-tag change reads, by its tag type (0: none).
uint32_t tagRecordSize(uint32_t tagType)
{
    switch (tagType) {
    case CHTAG_BOOKMARK:
    case CHTAG_TOC_BOOKMARK_A:
    case CHTAG_TOC_BOOKMARK_B:
        return 8;
    case CHTAG_HYPERLINK:
        return 12;
    case CHTAG_REFERENCE:
    case CHTAG_DATE_FIELD:
        return 16;
    case CHTAG_SUMMARY_ITEM:
        return 4;
    case CHTAG_STYLE_DEFINITION:
        return 28;
    default:
        return 0;
    }
}

// The record a change reads: the value holding its id and its size, or null.
std::optional<RecordReader> recordReader(uint32_t type, uint32_t value1)
{
    const auto reader = recordReaders().find(type);
    if (reader == recordReaders().end())
        return std::nullopt;
    if (type != CHCHANGE_BEGIN_TAG)
        return reader->second;
    const uint32_t size = tagRecordSize(value1);
    if (size == 0)
        return std::nullopt;
    return RecordReader{reader->second.value, size};
}

// The host records of lists 10, 11 and 13, in big-endian words.
constexpr uint32_t kFormatLists[] = {CHLIST_ROW_FORMATS, CHLIST_CELL_FORMATS, CHLIST_EMBEDDED_OBJECTS};

class ByteReader {
public:
    ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    uint8_t next() { return position_ < size_ ? data_[position_++] : 0; }
    bool atEnd() const { return position_ >= size_; }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

void appendWord(trxhost::ItemList& list, std::vector<uint8_t>& bytes, uint32_t value)
{
    trxhost::appendNumber(bytes, value, 4, list.layout().order);
}

class Decoder {
public:
    Decoder(const uint8_t* data, std::size_t size) : in_(data, size), document_(std::make_unique<Document>()) {}

    std::unique_ptr<Document> decode()
    {
        const std::size_t nameUnits = in_.next();
        for (std::size_t i = 0; i < nameUnits; ++i)
            appendUnit(CHLIST_PROPERTY_TEXT, unit(in_.next()));
        const std::size_t fonts = in_.next() % kMaxFonts;
        for (std::size_t i = 0; i < fonts; ++i)
            decodeFont();
        const std::size_t records = in_.next() % kMaxRecords;
        for (std::size_t i = 0; i < records; ++i)
            decodeRecord();
        for (uint32_t list : kFormatLists) {
            const std::size_t count = in_.next() % kMaxFormats;
            trxhost::ItemList& formats = *document_->list(list);
            for (std::size_t i = 0; i < count; ++i)
                formats.append(decodeWords(formats.layout().recordSize, trxhost::WordOrder::BigEndian));
        }
        const std::size_t tracks = in_.next() % kMaxTracks;
        for (std::size_t i = 0; i < tracks; ++i)
            decodeTagTrack();
        const std::size_t objects = in_.next() % kMaxObjects;
        for (std::size_t i = 0; i < objects; ++i)
            decodeObject();
        const std::size_t units = in_.next();
        for (std::size_t i = 0; i < units; ++i)
            appendUnit(CHLIST_TEXT, unit(in_.next()));
        decodeFailure();
        decodeOption();
        while (!in_.atEnd()) {
            const uint32_t type = changeType(in_.next());
            const uint32_t value1 = isTagChange(type) ? tagType(in_.next()) : word(in_.next());
            const uint32_t value2 = word(in_.next());
            const uint32_t value3 = word(in_.next());
            document_->appendChange(type, value1, value2, value3);
        }
        return std::move(document_);
    }

private:
    void decodeFont()
    {
        const uint32_t id = word(in_.next());
        const uint8_t charSetByte = in_.next();
        const uint32_t charSet = charSetByte < std::size(kCharSets) ? kCharSets[charSetByte] : word(charSetByte);
        const uint32_t nameId = word(in_.next());
        const uint32_t nameLength = word(in_.next());
        trxhost::ItemList& fonts = *document_->list(CHLIST_FONTS);
        std::vector<uint8_t> record;
        for (uint32_t field : {id, 0u, nameId, nameLength, charSet})
            appendWord(fonts, record, field);
        fonts.append(record);
    }

    // A record of `size` bytes: a count of the words given, those words, and
    // zeros for the rest.
    std::vector<uint8_t> decodeWords(uint32_t size, trxhost::WordOrder order)
    {
        const uint32_t given = std::min<uint32_t>(in_.next(), size / 4);
        std::vector<uint8_t> record;
        for (uint32_t i = 0; i < size / 4; ++i)
            trxhost::appendNumber(record, i < given ? word(in_.next()) : 0, 4, order);
        return record;
    }

    void decodeRecord()
    {
        const uint32_t size = kRecordSizes[in_.next() % std::size(kRecordSizes)];
        trxhost::ItemList& data = *document_->list(CHLIST_DATA);
        recordIds_.push_back(data.append(decodeWords(size, trxhost::WordOrder::BigEndian)));
    }

    void decodeTagTrack()
    {
        const uint32_t changeId = number16();
        const uint32_t tagId = word(in_.next());
        const uint32_t type = tagType(in_.next());
        trxhost::ItemList& tracks = *document_->list(CHLIST_TAG_TRACKS);
        std::vector<uint8_t> record;
        for (uint32_t field : {changeId, tagId, type})
            appendWord(tracks, record, field);
        tracks.append(record);
    }

    // An embedded object: its two numbers and up to 255 bytes.
    void decodeObject()
    {
        const uint32_t first = number16();
        const uint32_t second = number16();
        trxhost::Bytes bytes(in_.next());
        for (uint8_t& byte : bytes)
            byte = in_.next();
        document_->addObject({first, second}, std::move(bytes));
    }

    uint32_t number16()
    {
        const uint32_t high = in_.next();
        return high << 8 | in_.next();
    }

    void decodeFailure()
    {
        const uint8_t service = in_.next();
        const uint32_t item = word(in_.next());
        const TRXERR code = kFailureCodes[in_.next() % std::size(kFailureCodes)];
        if (service < kFailureByte)
            return;
        const std::vector<std::string>& services = trxhost::failureServices();
        document_->addFailure({services[(service - kFailureByte) % services.size()], std::nullopt, item, code});
    }

    void decodeOption()
    {
        const uint8_t option = in_.next();
        const uint8_t value = in_.next();
        if (option < kOptionByte)
            return;
        const uint32_t number = value < std::size(kCodePages) ? kCodePages[value] : word(value);
        std::vector<uint8_t> bytes;
        trxhost::appendNumber(bytes, number, 4, trxhost::WordOrder::Native);
        document_->setOption(kOptions[(option - kOptionByte) % std::size(kOptions)], bytes);
    }

    void appendUnit(uint32_t list, uint16_t value)
    {
        trxhost::ItemList& units = *document_->list(list);
        std::vector<uint8_t> bytes;
        trxhost::appendNumber(bytes, value, 2, units.layout().order);
        units.append(bytes);
    }

    static uint32_t changeType(uint8_t byte)
    {
        return byte < kRawTypeByte ? kHandledTypes[byte % kHandledTypeCount] : kRawTypes[byte - kRawTypeByte];
    }

    uint32_t tagType(uint8_t byte) const { return byte < std::size(kTagTypes) ? kTagTypes[byte] : word(byte); }

    static uint16_t unit(uint8_t byte)
    {
        return byte < kSpecialUnitByte ? byte : kSpecialUnits[byte - kSpecialUnitByte];
    }

    // A missing record's id is the end of the data list.
    uint32_t word(uint8_t byte) const
    {
        if (byte < kScaledByte)
            return byte;
        if (byte < kRecordByte)
            return (byte - kScaledByte) * kTwipStep;
        if (byte < kSpecialByte) {
            const std::size_t record = byte - kRecordByte;
            return record < recordIds_.size() ? recordIds_[record] : document_->list(CHLIST_DATA)->length();
        }
        return kSpecialWords[byte - kSpecialByte];
    }

    ByteReader in_;
    std::unique_ptr<Document> document_;
    std::vector<uint32_t> recordIds_;
};

// The inverse of the decoder for the values a listing holds.
class Encoder {
public:
    explicit Encoder(const Document& document) : document_(document) {}

    std::vector<uint8_t> encode()
    {
        collectRecords();
        encodeNames();
        encodeFonts();
        out_.push_back(static_cast<uint8_t>(records_.size()));
        for (const auto& [id, size] : records_)
            encodeRecord(id, size);
        for (uint32_t list : kFormatLists)
            encodeFormats(*document_.list(list));
        encodeTagTracks();
        encodeObjects();
        encodeText();
        out_.insert(out_.end(), {0, 0, 0, 0, 0}); // no injected failure, no option
        encodeChanges();
        return out_;
    }

private:
    uint32_t word(const trxhost::ItemList& list, uint32_t index, uint32_t at) const
    {
        return trxhost::readWord(list.bytes().data() + index * list.layout().recordSize + at, list.layout().order);
    }

    uint16_t unitAt(const trxhost::ItemList& list, uint32_t index) const
    {
        const uint8_t* bytes = list.bytes().data() + index * 2;
        return list.layout().order == trxhost::WordOrder::BigEndian ? uint16_t(bytes[0] << 8 | bytes[1])
                                                                    : uint16_t(bytes[1] << 8 | bytes[0]);
    }

    // The data records the changes read, in their order, at most kMaxRecords.
    void collectRecords()
    {
        const trxhost::ItemList& changes = *document_.list(CHLIST_CHANGES);
        for (uint32_t i = 0; i < changes.length(); ++i) {
            const auto reader = recordReader(word(changes, i, 0), word(changes, i, 4));
            if (!reader || records_.size() == kMaxRecords - 1)
                continue;
            const uint32_t id = word(changes, i, 4 * reader->value);
            if (!recordIndex_.count(id)) {
                recordIndex_[id] = static_cast<uint8_t>(records_.size());
                records_.emplace_back(id, reader->size);
            }
        }
    }

    void encodeUnits(const trxhost::ItemList& units)
    {
        const uint32_t count = std::min<uint32_t>(units.length(), 255);
        out_.push_back(static_cast<uint8_t>(count));
        for (uint32_t i = 0; i < count; ++i)
            out_.push_back(unitByte(unitAt(units, i)));
    }

    void encodeNames() { encodeUnits(*document_.list(CHLIST_PROPERTY_TEXT)); }

    void encodeFonts()
    {
        const trxhost::ItemList& fonts = *document_.list(CHLIST_FONTS);
        const uint32_t count = std::min<uint32_t>(fonts.length(), kMaxFonts - 1);
        out_.push_back(static_cast<uint8_t>(count));
        for (uint32_t i = 0; i < count; ++i) {
            out_.push_back(valueByte(word(fonts, i, 0)));
            const uint32_t charSet = word(fonts, i, 16);
            const auto* known = std::find(std::begin(kCharSets), std::end(kCharSets), charSet);
            out_.push_back(known != std::end(kCharSets) ? static_cast<uint8_t>(known - kCharSets) : valueByte(charSet));
            out_.push_back(valueByte(word(fonts, i, 8)));
            out_.push_back(valueByte(word(fonts, i, 12)));
        }
    }

    // The words of a record, up to its last that is not 0.
    void encodeWords(const std::vector<uint32_t>& words)
    {
        std::size_t given = words.size();
        while (given > 0 && words[given - 1] == 0)
            --given;
        out_.push_back(static_cast<uint8_t>(given));
        for (std::size_t i = 0; i < given; ++i)
            out_.push_back(valueByte(words[i]));
    }

    void encodeRecord(uint32_t id, uint32_t size)
    {
        const auto sizeIndex = std::find(std::begin(kRecordSizes), std::end(kRecordSizes), size) - kRecordSizes;
        out_.push_back(static_cast<uint8_t>(sizeIndex));
        const trxhost::ItemList& data = *document_.list(CHLIST_DATA);
        std::vector<uint32_t> words;
        for (uint32_t offset = 0; offset < size; offset += 4) {
            const uint32_t unit = id + offset / 2;
            words.push_back(unit + 1 < data.length() ? uint32_t(unitAt(data, unit)) << 16 | unitAt(data, unit + 1) : 0);
        }
        encodeWords(words);
    }

    void encodeFormats(const trxhost::ItemList& formats)
    {
        const uint32_t count = std::min<uint32_t>(formats.length(), kMaxFormats - 1);
        out_.push_back(static_cast<uint8_t>(count));
        for (uint32_t i = 0; i < count; ++i) {
            std::vector<uint32_t> words;
            for (uint32_t at = 0; at < formats.layout().recordSize; at += 4)
                words.push_back(word(formats, i, at));
            encodeWords(words);
        }
    }

    void pushNumber16(uint32_t value)
    {
        const uint32_t kept = std::min<uint32_t>(value, 0xFFFF);
        out_.push_back(static_cast<uint8_t>(kept >> 8));
        out_.push_back(static_cast<uint8_t>(kept));
    }

    void encodeTagTracks()
    {
        const trxhost::ItemList& tracks = *document_.list(CHLIST_TAG_TRACKS);
        const uint32_t count = std::min<uint32_t>(tracks.length(), kMaxTracks - 1);
        out_.push_back(static_cast<uint8_t>(count));
        for (uint32_t i = 0; i < count; ++i) {
            pushNumber16(word(tracks, i, 0));
            out_.push_back(valueByte(word(tracks, i, 4)));
            out_.push_back(tagTypeByte(word(tracks, i, 8)));
        }
    }

    void encodeObjects()
    {
        const std::size_t count = std::min(document_.objects().size(), kMaxObjects - 1);
        out_.push_back(static_cast<uint8_t>(count));
        auto object = document_.objects().begin();
        for (std::size_t i = 0; i < count; ++i, ++object) {
            pushNumber16(object->first.first);
            pushNumber16(object->first.second);
            const std::size_t length = std::min<std::size_t>(object->second.size(), 255);
            out_.push_back(static_cast<uint8_t>(length));
            out_.insert(out_.end(), object->second.begin(),
                        object->second.begin() + static_cast<std::ptrdiff_t>(length));
        }
    }

    void encodeText() { encodeUnits(*document_.list(CHLIST_TEXT)); }

    void encodeChanges()
    {
        const trxhost::ItemList& changes = *document_.list(CHLIST_CHANGES);
        for (uint32_t i = 0; i < changes.length(); ++i) {
            const uint32_t type = word(changes, i, 0);
            out_.push_back(typeByte(type));
            const auto reader = recordReader(type, word(changes, i, 4));
            for (unsigned value = 1; value <= 3; ++value) {
                const uint32_t number = word(changes, i, 4 * value);
                const bool readsRecord = reader && reader->value == value && recordIndex_.count(number);
                if (readsRecord)
                    out_.push_back(static_cast<uint8_t>(kRecordByte + recordIndex_[number]));
                else if (value == 1 && isTagChange(type))
                    out_.push_back(tagTypeByte(number));
                else
                    out_.push_back(valueByte(number));
            }
        }
    }

    static uint8_t typeByte(uint32_t type)
    {
        const auto* handled = std::find(std::begin(kHandledTypes), std::end(kHandledTypes), type);
        if (handled != std::end(kHandledTypes))
            return static_cast<uint8_t>(handled - kHandledTypes);
        const auto* raw = std::find(std::begin(kRawTypes), std::end(kRawTypes), type);
        return static_cast<uint8_t>(kRawTypeByte + (raw != std::end(kRawTypes) ? raw - kRawTypes : 0));
    }

    static uint8_t tagTypeByte(uint32_t tagType)
    {
        const auto* known = std::find(std::begin(kTagTypes), std::end(kTagTypes), tagType);
        return known != std::end(kTagTypes) ? static_cast<uint8_t>(known - kTagTypes) : valueByte(tagType);
    }

    // The exact byte where there is one, else the nearest multiple of kTwipStep.
    static uint8_t valueByte(uint32_t value)
    {
        if (value < kScaledByte)
            return static_cast<uint8_t>(value);
        const auto* special = std::find(std::begin(kSpecialWords), std::end(kSpecialWords), value);
        if (special != std::end(kSpecialWords))
            return static_cast<uint8_t>(kSpecialByte + (special - kSpecialWords));
        const uint32_t steps = std::min<uint32_t>((value + kTwipStep / 2) / kTwipStep, kRecordByte - kScaledByte - 1);
        return static_cast<uint8_t>(kScaledByte + steps);
    }

    static uint8_t unitByte(uint16_t unit)
    {
        if (unit < kSpecialUnitByte)
            return static_cast<uint8_t>(unit);
        const auto* special = std::find(std::begin(kSpecialUnits), std::end(kSpecialUnits), unit);
        return special != std::end(kSpecialUnits) ? static_cast<uint8_t>(kSpecialUnitByte + (special - kSpecialUnits))
                                                  : '?';
    }

    const Document& document_;
    std::vector<uint8_t> out_;
    std::vector<std::pair<uint32_t, uint32_t>> records_; // id, size
    std::map<uint32_t, uint8_t> recordIndex_;
};

} // namespace

std::unique_ptr<Document> decodeDocument(const uint8_t* data, std::size_t size)
{
    return Decoder(data, size).decode();
}

std::vector<uint8_t> encodeDocument(const Document& document)
{
    return Encoder(document).encode();
}

} // namespace fuzzdoc
