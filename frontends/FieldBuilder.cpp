#include "frontends/FieldBuilder.h"

#include "frontends/HostOutput.h"
#include "frontends/Properties.h"
#include "trx/changes.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace frontends {

namespace {

// The nested paragraph holding a date field's format has a record of three
// words it does not use.
constexpr std::size_t kFormatRecordWords = 3;

// One part of a date's format: a date part character or literal text.
using DatePart = std::variant<uint32_t, std::string>;

// The part of the host's date field that an importer's format part is;
// nothing for a part it has none for (the day of the week, the month's
// name, the time of day ...).
std::optional<DatePart> datePartOf(const librevenge::RVNGPropertyList& part)
{
    const std::string type = textOf(part, "librevenge:value-type");
    if (type == "text")
        return DatePart(textOf(part, "librevenge:text"));
    if (type == "day")
        return DatePart(uint32_t{CHSPECIAL_DATE_DAY});
    if (type == "month" && textOf(part, "number:textual") != "true")
        return DatePart(uint32_t{CHSPECIAL_DATE_MONTH});
    if (type == "year")
        return DatePart(uint32_t{CHSPECIAL_DATE_YEAR});
    return std::nullopt;
}

} // namespace

FieldBuilder::FieldBuilder(HostOutput& output) : output_(output)
{
}

void FieldBuilder::insert(const librevenge::RVNGPropertyList& properties)
{
    const std::string type = textOf(properties, "librevenge:field-type");
    if (type == "text:page-number") {
        output_.change(CHCHANGE_SPECIAL_CHARACTER, CHSPECIAL_PAGE_NUMBER);
    } else if (type == "text:time") {
        output_.change(CHCHANGE_SPECIAL_CHARACTER, CHSPECIAL_TIME);
    } else if (type == "text:date") {
        const librevenge::RVNGPropertyListVector* format = properties.child("librevenge:format");
        if (!format || !writeDateField(*format))
            output_.change(CHCHANGE_SPECIAL_CHARACTER, CHSPECIAL_DATE);
    }
}

// The field's format is a nested paragraph at its start: its text is
// literal, its special characters are the parts of the date. The field
// shows no text of its own: the importers give none.
bool FieldBuilder::writeDateField(const librevenge::RVNGPropertyListVector& format)
{
    std::vector<DatePart> parts;
    for (unsigned long i = 0; i < format.count(); ++i) {
        const std::optional<DatePart> part = datePartOf(format[i]);
        if (!part)
            return false;
        parts.push_back(*part);
    }
    if (parts.empty())
        return false;

    std::vector<uint32_t> field = wordRecord(CHDATEFIELD_RECORD_SIZE);
    wordAt(field, CHDATEFIELD_KIND) = CHDATEFIELD_DATE;
    const uint32_t fieldTag = output_.newTagId();
    output_.change(CHCHANGE_BEGIN_TAG, CHTAG_DATE_FIELD, fieldTag, output_.dataRecord(field));
    const uint32_t formatTag = output_.newTagId();
    output_.change(CHCHANGE_BEGIN_TAG, CHTAG_NESTED_PARAGRAPH, formatTag,
                   output_.dataRecord(std::vector<uint32_t>(kFormatRecordWords)));
    for (const DatePart& part : parts) {
        if (const auto* special = std::get_if<uint32_t>(&part))
            output_.change(CHCHANGE_SPECIAL_CHARACTER, *special);
        else
            output_.text(std::get<std::string>(part));
    }
    output_.change(CHCHANGE_END_TAG, CHTAG_NESTED_PARAGRAPH, formatTag);
    output_.change(CHCHANGE_END_TAG, CHTAG_DATE_FIELD, fieldTag);
    return true;
}

} // namespace frontends
