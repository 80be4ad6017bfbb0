#include "host/RecordFieldWriter.h"
#include "host/ListingText.h"
#include "trx/changes.h"
#include "trxhost/ItemList.h"

namespace trxhost {
namespace {

const NamedValue* nameOf(const RecordField& field, uint32_t value)
{
    if (field.names) {
        for (const NamedValue& name : *field.names) {
            if (name.value == value)
                return &name;
        }
    }
    return nullptr;
}

std::string fieldText(const RecordField& field, uint32_t value)
{
    if (field.flag)
        return field.name;
    const NamedValue* name = nameOf(field, value);
    if (name && field.bare)
        return name->name;
    return field.name + ' ' + (name ? name->name : formatNumber(value, field.style));
}

// The fields that are not 0; a side also shows a line style of 0, so that
// it reads "top single". A value outside its field's range cannot be written
// by the field: its bits are left out of `named`, for `at` to write.
void appendFields(std::string& out, std::vector<uint32_t>& named, const std::vector<RecordField>& fields,
                  const uint8_t* record, uint32_t base, bool side)
{
    for (const RecordField& field : fields) {
        const uint32_t value = loadField(record, base, field);
        if (!field.range->holds(value))
            continue;
        named[(base + field.offset) / 4] |= field.mask;
        if (value != 0 || (side && field.bare))
            out += ' ' + fieldText(field, value);
    }
}

} // namespace

std::string formatRecordFields(const RecordForm& form, const uint8_t* record)
{
    std::string out;
    std::vector<uint32_t> named(form.size / 4, 0);
    appendFields(out, named, form.fields, record, 0, false);
    for (const RecordSide& side : form.sides) {
        if (!hasNoLine(record + side.offset)) {
            out += ' ' + side.name;
            appendFields(out, named, borderFields(), record, side.offset, true);
            continue;
        }
        for (uint32_t offset = side.offset; offset < side.offset + CHBORDER_RECORD_SIZE; offset += 4)
            named[offset / 4] = UINT32_MAX;
    }
    for (uint32_t word = 0; word < named.size(); ++word) {
        const uint32_t rest = readWord(record + 4 * word, WordOrder::BigEndian) & ~named[word];
        if (rest != 0)
            out += std::string(" ") + kWordField + ' ' + std::to_string(4 * word) + ' ' +
                   formatNumber(rest, ArgumentStyle::Hex);
    }
    return out;
}

} // namespace trxhost
