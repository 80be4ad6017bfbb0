#include "host/RecordFieldParser.h"
#include "host/ListingText.h"

namespace trxhost {
namespace {

std::string hexNumber(uint32_t value)
{
    return formatNumber(value, ArgumentStyle::Hex);
}

// The words that start the fields: their names and the value names that
// stand for them.
void addFieldNames(std::vector<std::string>& names, const std::vector<RecordField>& fields)
{
    for (const RecordField& field : fields) {
        if (field.bare) {
            for (const NamedValue& value : *field.names)
                names.push_back(value.name);
        }
        names.push_back(field.name);
    }
}

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string valueNames(const ValueNames& values)
{
    std::vector<std::string> names;
    for (const NamedValue& value : values)
        names.push_back(value.name);
    return joined(names);
}

} // namespace

std::vector<uint8_t> RecordFieldParser::parse(const RecordForm& form, const RecordChange* change,
                                              std::array<uint32_t, 3>& values)
{
    form_ = &form;
    change_ = change;
    record_.assign(form.size, 0);
    while (!in_.atEnd()) {
        const Token& first = in_.peek();
        const Match best = match(change);
        if (best.length > 0) {
            in_.seek(in_.position() + best.length);
            apply(best, first, values);
        } else if (!takeWordField(first)) {
            failUnknown(first, change);
        }
    }
    for (const RecordSide& side : form.sides) {
        if (!named_.count(&side))
            markNoLine(record_, side.offset);
    }
    return record_;
}

// The longest match wins; of two as long, the fields of the open sides.
RecordFieldParser::Match RecordFieldParser::match(const RecordChange* change) const
{
    Match best;
    if (!sides_.empty())
        matchFields(best, borderFields(), true);
    size_t length = 0;
    const RecordSide* side = in_.longestMatch(form_->sides, &length);
    if (length > best.length)
        best = Match{length, nullptr, false, false, 0, side, nullptr};
    const RecordArgument* argument = change ? in_.longestMatch(change->others, &length) : nullptr;
    if (argument && length > best.length)
        best = Match{length, nullptr, false, false, 0, nullptr, argument};
    matchFields(best, form_->fields, false);
    return best;
}

void RecordFieldParser::matchFields(Match& best, const std::vector<RecordField>& fields, bool sideField) const
{
    for (const RecordField& field : fields) {
        const size_t length = in_.matches(field.name);
        if (length > best.length)
            best = Match{length, &field, sideField, false, 0, nullptr, nullptr};
        if (!field.bare)
            continue;
        for (const NamedValue& name : *field.names) {
            const size_t nameLength = in_.matches(name.name);
            if (nameLength > best.length)
                best = Match{nameLength, &field, sideField, true, name.value, nullptr, nullptr};
        }
    }
}

void RecordFieldParser::apply(const Match& match, const Token& first, std::array<uint32_t, 3>& values)
{
    if (match.side) {
        openSide(*match.side, first);
        return;
    }
    if (!match.sideField)
        closeSides();
    if (match.argument) {
        once(0, match.argument, first, "'" + match.argument->name + "'");
        const Token& token = in_.takeValueFor(match.argument->name);
        const uint32_t value = number_(token);
        in_.checkRange(token, value, *argumentFor(*findChangeForm(change_->change), match.argument->value)->range,
                       match.argument->name);
        values[match.argument->value - 1] = value;
        return;
    }
    const RecordField& field = *match.field;
    const uint32_t value = match.bare ? match.value : field.flag ? 1 : readValue(field);
    if (!match.sideField) {
        once(0, &field, first, "'" + field.name + "'");
        storeField(record_, 0, field, value);
        return;
    }
    sidesHaveFields_ = true;
    for (const RecordSide* side : sides_) {
        once(side->offset, &field, first, "'" + field.name + "' of the " + side->name + " border");
        storeField(record_, side->offset, field, value);
    }
}

// Sides named one after the other share the fields that follow them; a side
// named after fields starts a new group.
void RecordFieldParser::openSide(const RecordSide& side, const Token& first)
{
    if (sidesHaveFields_)
        closeSides();
    if (!named_.insert(&side).second)
        in_.fail(first, "the " + side.name + " border is given twice");
    sides_.push_back(&side);
}

void RecordFieldParser::closeSides()
{
    sides_.clear();
    sidesHaveFields_ = false;
}

uint32_t RecordFieldParser::readValue(const RecordField& field)
{
    const std::string what = "a value for '" + field.name + "'";
    if (in_.atEnd())
        in_.failAtEnd("expected " + what);
    const Token& token = in_.peek();
    uint32_t value = 0;
    if (field.names && isWord(token)) {
        size_t length = 0;
        const NamedValue* found = in_.longestMatch(*field.names, &length);
        if (!found)
            in_.fail(token, "expected a number or " + valueNames(*field.names) + " for '" + field.name + "', found " +
                                describe(token));
        in_.seek(in_.position() + length);
        value = found->value;
    } else {
        value = number_(in_.take(what));
        in_.checkRange(token, value, *field.range, field.name);
    }
    if (!fieldHolds(field, value))
        in_.fail(token, "'" + field.name + "' takes the bits " + hexNumber(field.mask) +
                            " of its word: " + hexNumber(value) + " does not fit");
    return value;
}

// `at OFFSET VALUE`: bits of any word of the record.
bool RecordFieldParser::takeWordField(const Token& first)
{
    if (!in_.takeKeyword(kWordField))
        return false;
    closeSides();
    const Token& offsetToken = in_.take("a word offset after 'at'");
    const uint32_t offset = number_(offsetToken);
    if (offset % 4 != 0 || offset >= form_->size)
        in_.fail(offsetToken,
                 "'at' takes the offset of a word of the record: a multiple of 4 below " + std::to_string(form_->size));
    once(offset, kWordField, first, "'at " + std::to_string(offset) + "'");
    orWord(record_, offset, number_(in_.takeValueFor("at")));
    return true;
}

void RecordFieldParser::once(uint32_t base, const void* what, const Token& first, const std::string& description)
{
    if (!given_.emplace(base, what).second)
        in_.fail(first, description + " is given twice");
}

void RecordFieldParser::failUnknown(const Token& token, const RecordChange* change) const
{
    std::vector<std::string> names;
    if (change) {
        for (const RecordArgument& argument : change->others)
            names.push_back(argument.name);
    }
    addFieldNames(names, form_->fields);
    for (const RecordSide& side : form_->sides)
        names.push_back(side.name);
    names.push_back(kWordField);
    std::vector<std::string> sideNames;
    addFieldNames(sideNames, borderFields());
    const std::string border = sides_.empty() ? "" : "; a border takes " + joined(sideNames);
    in_.fail(token, "expected a field of a " + form_->name + " record, found " + describe(token) + border +
                        "; the record takes " + joined(names));
}

} // namespace trxhost
