// The texts of generated numbers other than plain decimal digits: letters,
// roman numerals, ordinal numbers ("21st") and numbers in English words,
// cardinal ("Twenty-One") and ordinal ("Twenty-First"). Consumers of the
// output expect the ordinal word for nine spelled "Nineth".
#pragma once

#include <cstdint>
#include <string>

class CICFNumberMakers {
public:
    CICFNumberMakers() = delete;

    // Nothing for 0; then A ... Z, AA ... ZZ, AAA ...: one letter repeated.
    // A number that would repeat its letter more than
    // kMaxLetterRepetitions times is given in decimal digits instead.
    static std::string createAlphaNumbers(uint32_t number, bool upperCase);
    // "0" for 0; thousands as any number of "M".
    static std::string createRomanNumbers(uint32_t number, bool upperCase);
    // The decimal digits with "st", "nd", "rd" or "th".
    static std::string createOrdinalNumbers(uint32_t number);
    // Words with a capital letter each, joined without "and": "One thousand
    // Two hundred Thirty-Four".
    static std::string createCardinalTextNumbers(uint32_t number);
    // As the cardinal words, the last one ordinal: "Three hundredth",
    // "Twenty-First".
    static std::string createOrdinalTextNumbers(uint32_t number);
    // The stem of the tens word for a tens digit ("Twent" for 2), to which
    // "y" or "ieth" is added; empty for 0 and 1.
    static std::string createTensPrefix(uint32_t tensDigit);

    // Letters stand for small numbers: a damaged count of billions would
    // otherwise make a text of millions of letters.
    static constexpr uint32_t kMaxLetterRepetitions = 1000;
};
