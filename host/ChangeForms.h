// The symbolic names of change records: one table that both the listing
// parser and the listing writer use. A form is a name, a change type, the
// values it fixes and the values it takes as arguments, in argument order.
#pragma once

#include "trx/changes.h"
#include "trx/platform.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trxhost {

// How an argument is written back; the parser accepts any number form for
// every argument, and `on`/`off` for switches.
enum class ArgumentStyle { Number, Hex, Signed, Switch };

struct ChangeArgument {
    int value; // 1, 2 or 3: the change value the argument fills
    ArgumentStyle style;
};

struct TRX_API ChangeForm {
    std::string name;
    uint32_t type;
    std::array<uint32_t, 3> fixed; // values 1 to 3 where they are not arguments
    std::vector<ChangeArgument> arguments;
    std::string meaning;

    // True when the record has this type and the form's fixed values.
    bool fits(const std::array<uint32_t, 4>& change) const;
};

// A tag type by the name its begin and end forms use ("number text").
struct TagName {
    std::string name;
    uint32_t type;
};

// Every form, grouped by what the changes do.
TRX_API const std::vector<ChangeForm>& changeForms();
// The form of a name, or null.
TRX_API const ChangeForm* findChangeForm(const std::string& name);
// The form that writes the record with the fewest arguments, or null when
// no form fits and the record is written raw.
TRX_API const ChangeForm* bestChangeForm(const std::array<uint32_t, 4>& change);
// The named tag types.
TRX_API const std::vector<TagName>& tagNames();

} // namespace trxhost
