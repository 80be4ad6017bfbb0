// The host character-set identifiers the filter knows by name, and the bit
// layout of an identifier.
#pragma once

#include <cstdint>

// Sets the filter names itself.
constexpr uint32_t kCharSetDefault = 0x00030100;    // a new string's set; code page 0
constexpr uint32_t kCharSetNoCodePage = 0x10000100; // code page 0 chosen explicitly
constexpr uint32_t kCharSetCp437 = 0x11B50100;
constexpr uint32_t kCharSetCp720 = 0x12D00100;
constexpr uint32_t kCharSetCp850 = 0x13520100;
constexpr uint32_t kCharSetCp852 = 0x13540100;
constexpr uint32_t kCharSetCp932 = 0x13A40000;   // Japanese, double-byte
constexpr uint32_t kCharSetCp936 = 0x13A80000;   // Simplified Chinese, double-byte
constexpr uint32_t kCharSetCp949 = 0x13B50000;   // Korean, double-byte
constexpr uint32_t kCharSetCp950 = 0x13B60000;   // Traditional Chinese, double-byte
constexpr uint32_t kCharSetUnicode = 0x14B00000; // 16-bit text
constexpr uint32_t kCharSetCp1250 = 0x14E20100;
constexpr uint32_t kCharSetCp1252 = 0x14E40100;
constexpr uint32_t kCharSetIso8859_1 = 0x00080101;
constexpr uint32_t kCharSetIso8859_2 = 0x00080102;
constexpr uint32_t kCharSetSymbol = 0x20000100;     // symbol fonts, one byte per glyph
constexpr uint32_t kCharSetLastResort = 0x80000100; // holds every character, '?' if need be

// Bit layout of an identifier.
constexpr uint32_t kCharSetCodePageFlag = 0x10000000; // bits 16 to 27 hold a code page
constexpr uint32_t kCharSetCodePageMask = 0x0FFF0000;
constexpr unsigned kCharSetCodePageShift = 16;
constexpr uint32_t kCharSetFamilyMask = 0x00FF0000;
constexpr uint32_t kCharSetIso8859Family = 0x00080000; // ISO 8859 part number in the low byte
constexpr uint32_t kCharSetPartMask = 0x000000FF;
constexpr uint32_t kCharSetLastResortFlag = 0x80000000;
constexpr uint32_t kCharSetSymbolFlag = 0x20000000;
constexpr uint32_t kCharSetVariantMask = 0x0000FFFF;
constexpr uint32_t kCharSetSingleByteVariant = 0x00000100; // low half of a single-byte set

// Code pages as CCharacterString::getCodePage reports them.
constexpr short kCodePageNone = 0;
constexpr short kCodePage437 = 437;
constexpr short kCodePage720 = 720;
constexpr short kCodePage932 = 932;
constexpr short kCodePage936 = 936;
constexpr short kCodePage949 = 949;
constexpr short kCodePage950 = 950;
constexpr short kCodePageUnicode = 1200;
constexpr short kCodePage1252 = 1252;
constexpr short kCodePageIso8859Base = 8590; // plus the part number, for parts 1 to 9
constexpr short kCodePageIso8859Other = 8859;
constexpr short kCodePageSymbol = 9998;
constexpr short kCodePageLastResort = 9999;
