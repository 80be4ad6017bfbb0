// The difference of two lists of lines, in the unified style.
#pragma once

#include <string>
#include <vector>

namespace icfdump {

// Empty when the lists are equal. Otherwise "--- expected" and "+++ actual",
// then each stretch of changes as a hunk "@@ -start,count +start,count @@"
// with `context` unchanged lines around it; a line kept is prefixed by ' ',
// a line only in `expected` by '-', a line only in `actual` by '+'.
std::string lineDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual,
                           size_t context = 3);

} // namespace icfdump
