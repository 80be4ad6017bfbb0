// Helpers for tests of the host's documents and services.
#pragma once

#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

// Parses a listing written by a test; a listing error fails the test.
inline std::unique_ptr<trxhost::Document> listing(const std::string& text, const std::string& name = "test.lst")
{
    try {
        return trxhost::parseListing(text, name);
    } catch (const trxhost::ListingError& error) {
        ADD_FAILURE() << error.what();
        return std::make_unique<trxhost::Document>();
    }
}

// The change record with that id, read straight from the document.
inline std::array<uint32_t, 4> changeAt(const trxhost::Document& document, uint32_t id)
{
    std::array<uint32_t, 4> change{};
    const uint8_t* record = document.list(CHLIST_CHANGES)->item(id);
    if (record)
        std::memcpy(change.data(), record, sizeof change);
    return change;
}

using Change = std::array<uint32_t, 4>;
