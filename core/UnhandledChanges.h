// The change records that reached no handler, counted by change type. The
// reader counts into it; the export that asked for diagnostics owns it and
// writes the counts out when it ends.
#pragma once

#include <cstdint>
#include <map>

class CUnhandledChanges {
public:
    void count(uint32_t type) { ++m_counts[type]; }
    // By change type, in increasing type order.
    const std::map<uint32_t, uint64_t>& getCounts() const { return m_counts; }

private:
    std::map<uint32_t, uint64_t> m_counts;
};
