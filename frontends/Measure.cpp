#include "frontends/Measure.h"

#include <cmath>

namespace frontends {

namespace {

std::optional<double> exactTwipsOf(const librevenge::RVNGProperty* property)
{
    if (!property)
        return std::nullopt;
    switch (property->getUnit()) {
    case librevenge::RVNG_INCH:
        return property->getDouble() * kTwipsPerInch;
    case librevenge::RVNG_POINT:
        return property->getDouble() * kTwipsPerPoint;
    case librevenge::RVNG_TWIP:
        return property->getDouble();
    default:
        return std::nullopt;
    }
}

std::optional<uint32_t> roundedCount(std::optional<double> value)
{
    if (!value || !std::isfinite(*value) || *value < 0 || *value > UINT32_MAX)
        return std::nullopt;
    return static_cast<uint32_t>(std::lround(*value));
}

} // namespace

std::optional<uint32_t> twipsOf(const librevenge::RVNGProperty* property)
{
    return roundedCount(exactTwipsOf(property));
}

std::optional<int32_t> signedTwipsOf(const librevenge::RVNGProperty* property)
{
    const std::optional<double> twips = exactTwipsOf(property);
    if (!twips || !std::isfinite(*twips) || *twips < INT32_MIN || *twips > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(std::lround(*twips));
}

std::optional<uint32_t> halfPointsOf(const librevenge::RVNGProperty* property)
{
    const std::optional<double> twips = exactTwipsOf(property);
    return roundedCount(twips ? std::optional<double>(*twips / kTwipsPerHalfPoint) : std::nullopt);
}

} // namespace frontends
