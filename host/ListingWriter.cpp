// Writes a document as a listing that parses back to an equal document:
// symbolic statements where a record has a form, raw records otherwise.
#include "host/ChangeForms.h"
#include "host/ListingText.h"
#include "host/RecordFieldWriter.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>

namespace trxhost {
namespace {

// Bytes of hex data per line, and units of text per raw text statement.
constexpr size_t kHexBytesPerLine = 32;
constexpr size_t kUnitsPerStatement = 64;

std::string number(uint32_t value)
{
    return formatNumber(value, ArgumentStyle::Number);
}

std::string hexData(const std::vector<uint8_t>& bytes)
{
    std::string out = "hex";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % kHexBytesPerLine == 0)
            out += " \\\n   ";
        if (i % 4 == 0)
            out += ' ';
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        out += digits;
    }
    return out;
}

class ListingWriter {
public:
    explicit ListingWriter(const Document& document) : document_(document) {}

    std::string run()
    {
        out_ = "# Host document listing\n";
        writeOptions();
        writeObjects();
        writeFailures();
        writeFonts();
        writeTagTracks();
        writeChanges();
        writeRest();
        return out_;
    }

private:
    void section(const char* title)
    {
        out_ += "\n# ";
        out_ += title;
        out_ += '\n';
    }

    void writeOptions()
    {
        if (!document_.options().empty())
            section("export options");
        for (const auto& [id, bytes] : document_.options())
            out_ += "option " + number(id) + ' ' + optionValue(bytes) + '\n';
    }

    // A string where the bytes are one, numbers where they are whole words,
    // hex otherwise.
    static std::string optionValue(const std::vector<uint8_t>& bytes)
    {
        if (!bytes.empty() && bytes.back() == 0) {
            const std::optional<std::string> text = quoteUtf8({bytes.begin(), bytes.end() - 1});
            if (text)
                return *text;
        }
        if (bytes.empty() || bytes.size() % 4 != 0)
            return hexData(bytes);
        std::string words;
        for (size_t offset = 0; offset < bytes.size(); offset += 4)
            words += (offset ? " " : "") + number(readWord(bytes.data() + offset, WordOrder::Native));
        return words;
    }

    void writeObjects()
    {
        if (!document_.objects().empty())
            section("embedded objects");
        for (const auto& [key, bytes] : document_.objects())
            out_ += "object " + number(key.first) + ' ' + number(key.second) + ' ' + hexData(bytes) + '\n';
    }

    void writeFailures()
    {
        if (!document_.failures().empty())
            section("injected failures");
        for (const InjectedFailure& failure : document_.failures()) {
            out_ += "fail " + failure.service;
            if (failure.list)
                out_ += " list " + number(*failure.list);
            if (failure.item)
                out_ += " item " + number(*failure.item);
            out_ += " code " + formatNumber(static_cast<uint32_t>(failure.code), ArgumentStyle::Signed) + '\n';
        }
    }

    void writeFonts()
    {
        const ItemList& fonts = *document_.list(CHLIST_FONTS);
        if (fonts.length() > 0)
            section("fonts");
        for (uint32_t id = 0; id < fonts.length(); ++id) {
            const std::vector<uint32_t> words = wordsOf(fonts, id);
            if (words[1] == 0 && takeItems(CHLIST_PROPERTY_TEXT, words[2], words[3])) {
                out_ += "font " + number(words[0]) + " charset " + formatNumber(words[4], ArgumentStyle::Hex) + ' ' +
                        quoted(CHLIST_PROPERTY_TEXT, words[2], words[3]) + '\n';
            } else {
                writeRawRecord(fonts, id);
            }
        }
    }

    void writeTagTracks()
    {
        const ItemList& tracks = *document_.list(CHLIST_TAG_TRACKS);
        if (tracks.length() > 0)
            section(tracks.layout().name);
        for (uint32_t id = 0; id < tracks.length(); ++id) {
            const std::vector<uint32_t> words = wordsOf(tracks, id);
            out_ += "tag track " + tagName(words[2]) + ' ' + number(words[1]) + " change " + number(words[0]) + '\n';
        }
    }

    static std::string tagName(uint32_t type)
    {
        const auto& names = tagNames();
        const auto found =
            std::find_if(names.begin(), names.end(), [type](const TagName& tag) { return tag.type == type; });
        return found == names.end() ? formatNumber(type, ArgumentStyle::Hex) : found->name;
    }

    void writeRawRecord(const ItemList& list, uint32_t id)
    {
        std::vector<uint32_t> words = wordsOf(list, id);
        while (!words.empty() && words.back() == 0)
            words.pop_back();
        out_ += "record " + number(list.layout().type);
        for (const uint32_t word : words)
            out_ += ' ' + number(word);
        out_ += '\n';
    }

    void writeChanges()
    {
        const ItemList& changes = *document_.list(CHLIST_CHANGES);
        if (changes.length() > 0)
            section("changes");
        for (uint32_t id = 0; id < changes.length(); ++id) {
            const std::vector<uint32_t> words = wordsOf(changes, id);
            const std::array<uint32_t, 4> change = {words[0], words[1], words[2], words[3]};
            out_ += statementFor(change) + '\n';
        }
    }

    std::string statementFor(const std::array<uint32_t, 4>& change)
    {
        if (change[0] == CHCHANGE_TEXT && change[3] == 0 && takeItems(CHLIST_TEXT, change[1], change[2]))
            return "text " + quoted(CHLIST_TEXT, change[1], change[2]);
        if (change[0] == CHCHANGE_PROPERTY_TEXT && change[2] == 0 &&
            takeItems(CHLIST_PROPERTY_TEXT, change[1], change[3]))
            return "property text " + quoted(CHLIST_PROPERTY_TEXT, change[1], change[3]);
        const ChangeForm* form = bestChangeForm(change);
        const RecordChange* record = form ? findRecordChange(form->name) : nullptr;
        if (record && takeRecord(*record, change))
            return recordStatement(*form, *record, change);
        if (!form) {
            size_t count = change.size();
            while (count > 1 && change[count - 1] == 0)
                --count;
            std::string raw = "change";
            for (size_t i = 0; i < count; ++i)
                raw += ' ' + number(change[i]);
            return raw;
        }
        std::string statement = form->name;
        for (const ChangeArgument& argument : form->arguments)
            statement += ' ' + formatNumber(change[argument.value], argument.style);
        return statement;
    }

    // The change with its record written by fields in place of the id.
    std::string recordStatement(const ChangeForm& form, const RecordChange& record,
                                const std::array<uint32_t, 4>& change) const
    {
        std::string statement = form.name;
        for (const RecordArgument& argument : record.others) {
            if (change[argument.value] != 0)
                statement += ' ' + argument.name + ' ' + formatNumber(change[argument.value], styleOf(form, argument));
        }
        const ItemList& list = *document_.list(record.record->listType);
        const std::vector<uint8_t> bytes =
            itemsOf(list, change[record.idValue], record.record->size / list.layout().recordSize);
        return statement + formatRecordFields(*record.record, bytes.data());
    }

    static ArgumentStyle styleOf(const ChangeForm& form, const RecordArgument& argument)
    {
        const auto found =
            std::find_if(form.arguments.begin(), form.arguments.end(),
                         [&argument](const ChangeArgument& candidate) { return candidate.value == argument.value; });
        return found == form.arguments.end() ? ArgumentStyle::Number : found->style;
    }

    // Only records that lie whole in their list can be written by their fields.
    bool takeRecord(const RecordChange& record, const std::array<uint32_t, 4>& change)
    {
        const ItemList& list = *document_.list(record.record->listType);
        return takeItems(list.layout().type, change[record.idValue], record.record->size / list.layout().recordSize);
    }

    // True when the items [id, id + count) come at or after what the listing
    // has written of the list, so that a statement can append them; the gap
    // before them is written first.
    bool takeItems(uint32_t listType, uint32_t id, uint32_t count)
    {
        const uint32_t length = document_.list(listType)->length();
        uint32_t& written = written_[listType];
        if (id < written || id > length || count > length - id)
            return false;
        writeItemsUpTo(listType, id);
        written = id + count;
        return true;
    }

    // The items that no statement has appended, as raw records.
    void writeRest()
    {
        for (const uint32_t type : {CHLIST_TEXT, CHLIST_PROPERTY_TEXT, CHLIST_DATA, CHLIST_ROW_FORMATS,
                                    CHLIST_CELL_FORMATS, CHLIST_EMBEDDED_OBJECTS})
            writeItemsUpTo(type, document_.list(type)->length());
    }

    // Data as hex, records one by one, text in strings of kUnitsPerStatement.
    void writeItemsUpTo(uint32_t listType, uint32_t end)
    {
        const ItemList& list = *document_.list(listType);
        uint32_t& written = written_[listType];
        if (listType == CHLIST_DATA && written < end) {
            out_ += "record " + number(listType) + ' ' + hexData(itemsOf(list, written, end - written)) + '\n';
            written = end;
        }
        for (; written < end && !list.layout().units(); ++written)
            writeRawRecord(list, written);
        while (written < end) {
            const uint32_t count = std::min<uint32_t>(end - written, kUnitsPerStatement);
            out_ += "record " + number(listType) + ' ' + quoted(listType, written, count) + '\n';
            written += count;
        }
    }

    std::string quoted(uint32_t listType, uint32_t id, uint32_t count) const
    {
        const std::vector<uint8_t> bytes = itemsOf(*document_.list(listType), id, count);
        std::vector<uint16_t> units(count);
        if (count > 0)
            std::memcpy(units.data(), bytes.data(), bytes.size());
        return quoteUnits(units.data(), units.size());
    }

    static std::vector<uint32_t> wordsOf(const ItemList& list, uint32_t id)
    {
        std::vector<uint32_t> words;
        const std::vector<uint8_t> record = itemsOf(list, id, 1);
        for (uint32_t offset = 0; offset < list.layout().recordSize; offset += 4)
            words.push_back(readWord(record.data() + offset, list.layout().order));
        return words;
    }

    // The records of items [first, first + count), copied: a generated list
    // stores none, so they cannot be read in place.
    static std::vector<uint8_t> itemsOf(const ItemList& list, uint32_t first, uint32_t count)
    {
        std::vector<uint8_t> bytes(size_t{count} * list.layout().recordSize);
        if (!list.copy(first, count, bytes.data()))
            throw std::out_of_range(std::string("no such items in the ") + list.layout().name + " list");
        return bytes;
    }

    const Document& document_;
    std::string out_;
    // Per unit list: how many units the statements written so far append.
    std::map<uint32_t, uint32_t> written_;
};

} // namespace

std::string formatListing(const Document& document)
{
    return ListingWriter(document).run();
}

} // namespace trxhost
