// The structured forms of the host records that changes point to: borders,
// shading, binding, columns, note areas, sub-document formats, row and cell
// formats, TOC bookmarks, frames. Each form names the fields of one record
// layout so that a listing can say "top single width 15 color red" instead
// of hex; the listing parser and the listing writer share these tables.
#pragma once

#include "host/ChangeForms.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trxhost {

// A name that stands for a field's value ("double" for line style 2).
struct NamedValue {
    std::string name;
    uint32_t value;
};
using ValueNames = std::vector<NamedValue>;

// One field: a value placed in some bits of the big-endian word at `offset`.
// A field's value is shifted to the lowest bit of its mask; a flag stands
// for the value 1 and takes no value. The fields of a record OR their bits
// together, so the order they are given in does not matter.
struct RecordField {
    std::string name; // its words
    uint32_t offset;
    uint32_t mask;
    bool flag;
    ArgumentStyle style;     // how the writer writes the value
    const ValueNames* names; // names the value may be given by, or null
    bool bare;               // a value name alone stands for the field
    const ValueRange* range; // the values a number may give; the mask limits it too
};

// A place where the record holds a 20-byte border record.
struct RecordSide {
    std::string name;
    uint32_t offset;
};

struct RecordForm {
    std::string name;
    uint32_t listType; // the list the record goes to
    uint32_t size;
    std::vector<RecordField> fields;
    std::vector<RecordSide> sides; // each with the fields of borderFields()
};

// An argument of a change form other than the record id, given by name in
// the structured form of the change.
struct RecordArgument {
    std::string name;
    int value; // the change value it fills
};

// A change form whose argument is a record's id: its structured form gives
// the record's fields in place of the id.
struct RecordChange {
    std::string change; // the change form's name
    const RecordForm* record;
    int idValue; // the change value that holds the record id
    std::vector<RecordArgument> others;
};

// The field `at OFFSET VALUE` of every record: bits of any word, by offset.
constexpr const char* kWordField = "at";

// The fields of a border record, relative to its start.
TRX_API const std::vector<RecordField>& borderFields();
TRX_API const std::vector<RecordForm>& recordForms();
// The record form of a name, or null.
TRX_API const RecordForm* findRecordForm(const std::string& name);
// The structured form of a change form, or null.
TRX_API const RecordChange* findRecordChange(std::string_view changeName);

// True when the field's bits can hold the value.
bool fieldHolds(const RecordField& field, uint32_t value);
// ORs the value into the field's bits; `base` is the offset of the border
// record for a side's field, else 0.
void storeField(std::vector<uint8_t>& record, uint32_t base, const RecordField& field, uint32_t value);
uint32_t loadField(const uint8_t* record, uint32_t base, const RecordField& field);
void orWord(std::vector<uint8_t>& record, uint32_t offset, uint32_t bits);

// A side that a structured record does not name has no line: line style 1
// and every other field 0.
void markNoLine(std::vector<uint8_t>& record, uint32_t offset);
bool hasNoLine(const uint8_t* side);

} // namespace trxhost
