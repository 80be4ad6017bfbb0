#include "icf/ICFNumberMakers.h"

#include <cctype>
#include <string>

namespace {

constexpr uint32_t kLettersInAlphabet = 26;
constexpr uint32_t kTen = 10;
constexpr uint32_t kHundred = 100;
// Below this, a number has a word of its own.
constexpr uint32_t kFirstTensWord = 20;

constexpr const char* kCardinalWords[kFirstTensWord] = {
    "Zero", "One",    "Two",    "Three",    "Four",     "Five",    "Six",     "Seven",     "Eight",    "Nine",
    "Ten",  "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen",
};
constexpr const char* kOrdinalWords[kFirstTensWord] = {
    "Zeroth",     "First",     "Second",    "Third",       "Fourth",     "Fifth",      "Sixth",
    "Seventh",    "Eighth",    "Nineth",    "Tenth",       "Eleventh",   "Twelfth",    "Thirteenth",
    "Fourteenth", "Fifteenth", "Sixteenth", "Seventeenth", "Eighteenth", "Nineteenth",
};
constexpr const char* kTensPrefixes[kTen] = {
    "", "", "Twent", "Thirt", "Fort", "Fift", "Sixt", "Sevent", "Eight", "Ninet",
};

constexpr char kTensEnding[] = "y";
constexpr char kOrdinalTensEnding[] = "ieth";
constexpr char kUnitsSeparator[] = "-";
constexpr char kWordSeparator[] = " ";
constexpr char kOrdinalEnding[] = "th";

// The words of numbers of one of these sizes or more start with the count
// of that size.
struct SWordScale {
    uint32_t size;
    const char* word;
};
constexpr SWordScale kWordScales[] = {
    {1000000, " million"},
    {1000, " thousand"},
    {kHundred, " hundred"},
};

struct SRomanDigit {
    uint32_t value;
    const char* digits;
};
constexpr SRomanDigit kRomanDigits[] = {
    {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
    {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"},
};

std::string lowerCased(std::string text)
{
    for (char& character : text)
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    return text;
}

// The word of a number below 20.
const char* unitsWord(uint32_t number, bool ordinal)
{
    return ordinal ? kOrdinalWords[number] : kCardinalWords[number];
}

std::string wordsBelowHundred(uint32_t number, bool ordinal)
{
    if (number < kFirstTensWord)
        return unitsWord(number, ordinal);
    std::string words = CICFNumberMakers::createTensPrefix(number / kTen);
    const uint32_t units = number % kTen;
    if (units == 0)
        return words + (ordinal ? kOrdinalTensEnding : kTensEnding);
    return words + kTensEnding + kUnitsSeparator + unitsWord(units, ordinal);
}

// The count of the largest scale the number reaches, in cardinal words,
// then the rest; only the last word is ordinal. The nesting is at most
// three deep: a 32-bit number has at most 4294 millions.
std::string numberWords(uint32_t number, bool ordinal)
{
    for (const SWordScale& scale : kWordScales) {
        if (number < scale.size)
            continue;
        std::string words = numberWords(number / scale.size, false) + scale.word;
        const uint32_t rest = number % scale.size;
        if (rest == 0)
            return ordinal ? words + kOrdinalEnding : words;
        return words + kWordSeparator + numberWords(rest, ordinal);
    }
    return wordsBelowHundred(number, ordinal);
}

const char* ordinalNumberEnding(uint32_t number)
{
    const uint32_t lastTwo = number % kHundred;
    if (lastTwo > kTen && lastTwo < kFirstTensWord)
        return kOrdinalEnding;
    switch (number % kTen) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return kOrdinalEnding;
    }
}

} // namespace

std::string CICFNumberMakers::createAlphaNumbers(uint32_t number, bool upperCase)
{
    if (number == 0)
        return {};
    const uint32_t repetitions = (number - 1) / kLettersInAlphabet + 1;
    if (repetitions > kMaxLetterRepetitions)
        return std::to_string(number);
    const char letter = static_cast<char>((upperCase ? 'A' : 'a') + (number - 1) % kLettersInAlphabet);
    return std::string(repetitions, letter);
}

std::string CICFNumberMakers::createRomanNumbers(uint32_t number, bool upperCase)
{
    if (number == 0)
        return "0";
    std::string numerals;
    for (const SRomanDigit& digit : kRomanDigits) {
        for (uint32_t count = number / digit.value; count > 0; --count)
            numerals += digit.digits;
        number %= digit.value;
    }
    return upperCase ? numerals : lowerCased(numerals);
}

std::string CICFNumberMakers::createOrdinalNumbers(uint32_t number)
{
    return std::to_string(number) + ordinalNumberEnding(number);
}

std::string CICFNumberMakers::createCardinalTextNumbers(uint32_t number)
{
    return numberWords(number, false);
}

std::string CICFNumberMakers::createOrdinalTextNumbers(uint32_t number)
{
    return numberWords(number, true);
}

std::string CICFNumberMakers::createTensPrefix(uint32_t tensDigit)
{
    return tensDigit < kTen ? kTensPrefixes[tensDigit] : "";
}
