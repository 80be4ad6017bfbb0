// Where the parts of the document builder send what they make: the
// change list, through the document builder's own way of appending a change
// (which first sends the text gathered so far), and the side lists that
// changes point into (text, property text, data records, tag tracks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace trxhost {
class Document;
}

namespace frontends {

// Appends units to a list of 16-bit units; returns the id of the first.
uint32_t appendUnits(trxhost::Document& document, uint32_t listType, const std::vector<uint16_t>& units);
// Appends 32-bit words to a list of records; returns the id of the first.
uint32_t appendWords(trxhost::Document& document, uint32_t listType, const std::vector<uint32_t>& words);

// A record built as 32-bit words: one of `size` bytes, all 0, and its word
// at byte offset `offset`.
std::vector<uint32_t> wordRecord(std::size_t size);
uint32_t& wordAt(std::vector<uint32_t>& words, std::size_t offset);

class HostOutput {
public:
    using AppendChange = std::function<uint32_t(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)>;

    HostOutput(trxhost::Document& document, AppendChange appendChange);

    trxhost::Document& document() { return document_; }
    // Appends a change; returns its id.
    uint32_t change(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0);
    // A text change of UTF-8 `text` (nothing for empty text).
    void text(const std::string& text);
    // A property text change of UTF-8 `text`; returns its id, which the
    // property changes of an object name.
    uint32_t propertyText(const std::string& text);
    // Appends a data record of big-endian 32-bit words; returns its id (the
    // index of its first unit).
    uint32_t dataRecord(const std::vector<uint32_t>& words);
    // Records that change `changeId` begins the tag of that type and id.
    void tagTrack(uint32_t changeId, uint32_t tagType, uint32_t tagId);
    // A tag id no other tag of the document has, whatever its type.
    uint32_t newTagId() { return ++lastTagId_; }

private:
    trxhost::Document& document_;
    AppendChange appendChange_;
    uint32_t lastTagId_ = 0;
};

} // namespace frontends
