// A signed 16.16 fixed-point number in one 32-bit word: the raw word is the
// number times 65536.
#pragma once

#include <cstdint>
#include <type_traits>

class CFixed {
    template <typename T>
    using IfInteger = std::enable_if_t<std::is_integral_v<T>, int>;

public:
    static constexpr double kOne = 65536.0;

    CFixed() = default;
    // The whole number n (only whole numbers: CFixed(1.5) does not compile).
    template <typename T, IfInteger<T> = 0>
    CFixed(T n)
    {
        assignWhole(static_cast<long>(n));
    }
    virtual ~CFixed() = default;
    CFixed(const CFixed&) = default;
    CFixed& operator=(const CFixed&) = default;

    int32_t getRawValue() const { return m_raw; }
    void setRawValue(int32_t raw) { m_raw = raw; }

    // A whole number; bits above the 16 integer bits are lost.
    template <typename T, IfInteger<T> = 0>
    CFixed& operator=(T n)
    {
        return assignWhole(static_cast<long>(n));
    }
    // A fraction, truncated toward zero to a multiple of 1/65536.
    CFixed& operator=(double n) { return assignFraction(n); }

    // To an integer type: rounded toward minus infinity, then narrowed to
    // the type's width (unsigned char keeps the low 8 bits).
    template <typename T, IfInteger<T> = 0>
    operator T() const
    {
        return static_cast<T>(wholePart());
    }
    operator float() const { return static_cast<float>(m_raw / kOne); }
    operator double() const { return m_raw / kOne; }

    bool operator==(const CFixed& other) const { return m_raw == other.m_raw; }
    bool operator!=(const CFixed& other) const { return m_raw != other.m_raw; }
    bool operator<(const CFixed& other) const { return m_raw < other.m_raw; }
    bool operator>(const CFixed& other) const { return m_raw > other.m_raw; }
    bool operator<=(const CFixed& other) const { return m_raw <= other.m_raw; }
    bool operator>=(const CFixed& other) const { return m_raw >= other.m_raw; }

private:
    CFixed& assignWhole(long n);
    CFixed& assignFraction(double n);
    long wholePart() const;

    int32_t m_raw = 0;
};
