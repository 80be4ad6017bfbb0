// The symbolic names of change records: one table that both the listing
// parser and the listing writer use. A form is a name, a change type, the
// values it fixes and the values it takes as arguments, in argument order.
#pragma once

#include "trx/changes.h"
#include "trx/platform.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trxhost {

// How an argument is written back; the parser accepts any number form for
// every argument, and `on`/`off` for switches.
enum class ArgumentStyle { Number, Hex, Signed, Switch };

// The values a field or an argument with a meaning may take, from `min` to
// `max`: a listing that gives another is refused where it gives it. A range
// that reaches below 0 reads its values as signed 32-bit numbers.
struct ValueRange {
    const char* what; // "a length"
    int64_t min;
    int64_t max;
    bool hex = false; // how messages write the bounds

    bool holds(uint32_t value) const
    {
        const int64_t number = min < 0 ? int64_t{static_cast<int32_t>(value)} : int64_t{value};
        return number >= min && number <= max;
    }
    // "a length, 0 to 1000000"
    std::string describe() const;
};

// Lengths are in twips; the bound is far beyond any page (about 17 m) and
// keeps sums of a few lengths inside 32 bits.
constexpr int64_t kMaxLength = 1'000'000;
constexpr ValueRange kAnyValue{"any 32-bit value", 0, UINT32_MAX, true};
constexpr ValueRange kLength{"a length", 0, kMaxLength};
constexpr ValueRange kSignedLength{"a signed length", -kMaxLength, kMaxLength};
constexpr ValueRange kFontSize{"a font size in half points", 0, 32767};
constexpr ValueRange kColour{"a colour 0x00BBGGRR", 0, 0xFFFFFF, true};
constexpr ValueRange kCount{"a count", 0, 4096};
constexpr ValueRange kListLevel{"a list level", 0, 8};
constexpr ValueRange kOutlineLevel{"an outline level", 0, 9};
constexpr ValueRange kNumber{"a number", 0, 0xFFFF};
constexpr ValueRange kPercent{"a signed percentage", -100, 100};
constexpr ValueRange kPattern{"a pattern index", 0, 13};
// Ids of items: the id past a list's last item is still an id.
constexpr ValueRange kId{"an item id", 0, UINT32_MAX - 1, true};

struct ChangeArgument {
    int value; // 1, 2 or 3: the change value the argument fills
    ArgumentStyle style;
    const ValueRange* range;
};

struct TRX_API ChangeForm {
    std::string name;
    uint32_t type;
    std::array<uint32_t, 3> fixed; // values 1 to 3 where they are not arguments
    std::vector<ChangeArgument> arguments;
    std::string meaning;

    // True when the record has this type and the form's fixed values, and
    // its other values lie in the ranges of the arguments that give them.
    bool fits(const std::array<uint32_t, 4>& change) const;
};

// A tag type by the name its begin and end forms use ("number text").
struct TagName {
    std::string name;
    uint32_t type;
};

// Every form, grouped by what the changes do.
TRX_API const std::vector<ChangeForm>& changeForms();
// The argument of a form that fills a change value, or null.
TRX_API const ChangeArgument* argumentFor(const ChangeForm& form, int value);
// The form of a name, or null.
TRX_API const ChangeForm* findChangeForm(std::string_view name);
// The form that writes the record with the fewest arguments, or null when
// no form fits and the record is written raw.
TRX_API const ChangeForm* bestChangeForm(const std::array<uint32_t, 4>& change);
// The named tag types.
TRX_API const std::vector<TagName>& tagNames();

} // namespace trxhost
