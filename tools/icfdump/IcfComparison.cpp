#include "IcfComparison.h"

#include "IcfDecoder.h"
#include "IcfListing.h"
#include "LineDifference.h"

#include <algorithm>

namespace icfdump {

namespace {

std::vector<std::string> listingOf(std::string_view bytes)
{
    const IcfStream stream = decodeIcf(bytes);
    std::vector<std::string> lines = listIcf(stream, ListingOptions{});
    if (stream.fault)
        lines.push_back("!! " + describeFault(*stream.fault));
    return lines;
}

size_t firstDifference(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    return std::mismatch(a.begin(), a.begin() + common, b.begin()).first - a.begin();
}

} // namespace

std::string icfDifference(std::string_view expected, std::string_view actual)
{
    if (expected == actual)
        return "";
    std::string difference = lineDifference(listingOf(expected), listingOf(actual));
    if (!difference.empty())
        return difference;
    return "the listings agree up to the syntax fault, but the bytes differ from offset " +
           std::to_string(firstDifference(expected, actual)) + " on\n";
}

} // namespace icfdump
