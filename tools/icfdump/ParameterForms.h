// How a listing shows a parameter that is plain text. The bytes of a
// parameter do not say whether they are a decimal or a hexadecimal number or
// a string; the form is chosen from the text and, for the commands whose
// hexadecimal parameters are known, from the parameter's position.
#pragma once

#include "IcfDecoder.h"

#include <string>
#include <string_view>

namespace icfdump {

// True when parameter `index` (from 0) of `command` is written in hexadecimal.
bool isHexParameter(const Item& command, size_t index);

// A known hexadecimal parameter made of hexadecimal digits: 0x and the digits.
// Otherwise "0" or an optional '-' and digits without a leading zero: the
// digits. Otherwise 2, 4 or 8 lower-case hexadecimal digits (the widths the
// writer pads to): 0x and the digits. Anything else, the empty parameter
// included: the quoted text.
std::string parameterForm(const Item& command, size_t index, std::string_view text);

} // namespace icfdump
