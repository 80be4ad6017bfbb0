// The running numbers of one list: for each level its current count, the
// number it starts at, and whether a paragraph at that level (or below it)
// has been counted since the level last started over. Levels 16 and above
// are not kept: every operation ignores them and a count asked for such a
// level is 0.
#pragma once

#include <array>
#include <cstdint>

class CICFParagraphCounts {
public:
    static constexpr uint32_t kLevels = 16;

    // The level starts, and from now on starts over, at `number`.
    void setStartingNumberForLevel(uint32_t level, uint32_t number);
    // Counts a paragraph at `level`: the first one after the level started
    // keeps the starting number, each later one adds `by` (wrapping at 32
    // bits). The levels below the paragraph's start over.
    void incrementLevel(uint32_t level, uint32_t by);
    // Gives the level the count `number`, as for a paragraph counted there.
    void setLevel(uint32_t level, uint32_t number);
    uint32_t getParagraphCount(uint32_t level) const;
    bool isParagraphCountSet(uint32_t level) const;
    // Every level above `level` goes back to its starting number, uncounted.
    void resetHigherLevels(uint32_t level);
    // Levels 0 to `level` count as counted.
    void markLevelsAsSet(uint32_t level);

private:
    struct SLevel {
        uint32_t count = 0;
        uint32_t start = 0;
        bool set = false;
    };

    static bool isKept(uint32_t level) { return level < kLevels; }

    std::array<SLevel, kLevels> m_levels{};
};
