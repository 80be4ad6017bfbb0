// The path of a numbered graphic converter library, without the ".so" that
// loading adds.
#pragma once

#include <cstddef>
#include <cstdint>

namespace services {

// The execution path and "/" (none after a path that ends with one, nothing
// for an empty path), the family "libq5q" or "libj6j", the number in
// decimal and "f". False when it does not fit `size` bytes.
bool converterLibraryName(uint32_t converter, char* buffer, size_t size);

} // namespace services
