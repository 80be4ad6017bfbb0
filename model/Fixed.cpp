#include "model/Fixed.h"

#include <cmath>
#include <limits>

namespace {

constexpr unsigned kFractionBits = 16;

} // namespace

CFixed& CFixed::assignWhole(long n)
{
    // Shifted as an unsigned word: the bits above the 16 integer bits fall
    // off instead of overflowing.
    m_raw = static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long>(n)) << kFractionBits);
    return *this;
}

CFixed& CFixed::assignFraction(double n)
{
    // A number beyond the word's range (from a damaged document) is held at
    // the nearest end of the range; not-a-number becomes 0.
    const double raw = std::trunc(n * kOne);
    if (std::isnan(raw))
        m_raw = 0;
    else if (raw <= std::numeric_limits<int32_t>::min())
        m_raw = std::numeric_limits<int32_t>::min();
    else if (raw >= std::numeric_limits<int32_t>::max())
        m_raw = std::numeric_limits<int32_t>::max();
    else
        m_raw = static_cast<int32_t>(raw);
    return *this;
}

long CFixed::wholePart() const
{
    // An arithmetic shift: negative numbers round toward minus infinity.
    return m_raw >> kFractionBits;
}
