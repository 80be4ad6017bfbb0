// Writes the seed corpus of conversion_fuzz: each listing given becomes a
// file of fuzz bytes, named after it, in the output folder.
//   conversion_fuzz_seeds OUTPUT_DIR LISTING...
#include "fuzz/FuzzDocument.h"
#include "trxhost/Listing.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: conversion_fuzz_seeds OUTPUT_DIR LISTING...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        for (int i = 2; i < argc; ++i) {
            const std::vector<uint8_t> bytes = fuzzdoc::encodeDocument(*trxhost::loadListing(argv[i]));
            std::ofstream out(folder / std::filesystem::path(argv[i]).stem(), std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
