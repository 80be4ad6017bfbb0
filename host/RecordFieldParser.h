// Reads the fields of a structured record ("top single width 15 color red")
// from the rest of a statement into the record's bytes.
#pragma once

#include "host/ListingStatementReader.h"
#include "host/RecordForms.h"

#include <array>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace trxhost {

// Reads a number or a label.
using NumberReader = std::function<uint32_t(const Token&)>;

class RecordFieldParser {
public:
    RecordFieldParser(StatementReader& in, NumberReader number) : in_(in), number_(std::move(number)) {}

    // Reads every remaining token as a field and returns the record. With a
    // change, its other arguments may be given by name as well; they go to
    // `values` (change values 1 to 3).
    std::vector<uint8_t> parse(const RecordForm& form, const RecordChange* change, std::array<uint32_t, 3>& values);

private:
    // What the next tokens name: a field (of the record, or of the open
    // sides), a value name that stands for its field, a side or an argument.
    struct Match {
        size_t length = 0;
        const RecordField* field = nullptr;
        bool sideField = false;
        bool bare = false;
        uint32_t value = 0;
        const RecordSide* side = nullptr;
        const RecordArgument* argument = nullptr;
    };

    Match match(const RecordChange* change) const;
    void matchFields(Match& best, const std::vector<RecordField>& fields, bool sideField) const;
    void apply(const Match& match, const Token& first, std::array<uint32_t, 3>& values);
    void openSide(const RecordSide& side, const Token& first);
    void closeSides();
    uint32_t readValue(const RecordField& field);
    bool takeWordField(const Token& first);
    void once(uint32_t base, const void* what, const Token& first, const std::string& description);
    [[noreturn]] void failUnknown(const Token& token, const RecordChange* change) const;

    StatementReader& in_;
    NumberReader number_;
    const RecordForm* form_ = nullptr;
    const RecordChange* change_ = nullptr;
    std::vector<uint8_t> record_;
    // The sides the fields that follow apply to ("top bottom double").
    std::vector<const RecordSide*> sides_;
    bool sidesHaveFields_ = false;
    std::set<const RecordSide*> named_;
    // What the statement has given, by the offset it applies at and the
    // field, side or argument: each at most once.
    std::set<std::pair<uint32_t, const void*>> given_;
};

} // namespace trxhost
