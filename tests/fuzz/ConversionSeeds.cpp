// Writes the seed corpus of conversion_fuzz: each listing given becomes a
// file of fuzz bytes, named after it, in the output folder. With --listing,
// the other way: the listing of the document that a fuzz input decodes to,
// the start of a regression case for an input that failed.
//   conversion_fuzz_seeds OUTPUT_DIR LISTING...
//   conversion_fuzz_seeds --listing INPUT
#include "fuzz/FuzzDocument.h"
#include "trxhost/Listing.h"

#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: conversion_fuzz_seeds OUTPUT_DIR LISTING...\n"
                     "       conversion_fuzz_seeds --listing INPUT\n";
        return 2;
    }
    try {
        if (std::strcmp(argv[1], "--listing") == 0) {
            std::ifstream in(argv[2], std::ios::binary);
            if (!in)
                throw std::runtime_error(std::string("cannot read ") + argv[2]);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            std::cout << trxhost::formatListing(*fuzzdoc::decodeDocument(bytes.data(), bytes.size()));
            return std::cout.flush() ? 0 : 1;
        }
        const std::filesystem::path folder = argv[1];
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
