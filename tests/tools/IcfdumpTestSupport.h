// Shorthands for icfdump's tests: ICF bytes written with visible stand-ins
// for the syntax bytes, and the listing of such bytes.
#pragma once

#include "icfdump/IcfDecoder.h"
#include "icfdump/IcfListing.h"

#include <string>

// '<' stands for the introducer 0x1B 0x1D, '|' for the parameter terminator
// 0x1F and '>' for the command terminator 0x1E.
inline std::string icf(const std::string& notation)
{
    std::string bytes;
    for (const char c : notation) {
        if (c == '<')
            bytes += "\x1B\x1D";
        else if (c == '|')
            bytes += '\x1F';
        else if (c == '>')
            bytes += '\x1E';
        else
            bytes += c;
    }
    return bytes;
}

inline std::string listing(const std::string& bytes, icfdump::ListingOptions options = {})
{
    return icfdump::joinLines(icfdump::listIcf(icfdump::decodeIcf(bytes), options));
}

inline std::string decodedListing(const std::string& bytes)
{
    icfdump::ListingOptions options;
    options.decodeText = true;
    return listing(bytes, options);
}
