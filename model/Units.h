// The units of lengths. Lengths are twips; column- and line-based measures
// count character columns and lines of a fixed width and height.
#pragma once

#include <cstdint>

constexpr int32_t kTwipsPerColumn = 144;
constexpr int32_t kTwipsPerLine = 240;
