// The handler table: one handler object per registered change type; every
// other type, and every type beyond the table, goes to a default handler
// that ignores it.
#pragma once

#include "chunker/Change.h"
#include "chunker/ItemLists.h"

#include <memory>
#include <vector>

class CChangeFactory {
public:
    static constexpr uint32_t kTableSize = 255;

    // Builds and registers every handler. The handlers that read the changes
    // following their own do so from the position of `processor`, the list
    // that dispatches to them (none: they read none).
    explicit CChangeFactory(const CChunkerList* processor = nullptr);
    ~CChangeFactory();
    CChangeFactory(const CChangeFactory&) = delete;
    CChangeFactory& operator=(const CChangeFactory&) = delete;

    void registerChangeHandler(uint32_t type, CChange* handler);
    CChange& getChangeHandler(uint32_t type);
    // False for the types that go to the default handler.
    bool hasChangeHandler(uint32_t type) const;

private:
    template <class Handler, class... Args>
    void registerNew(uint32_t type, Args&&... args);
    void registerHandlers();

    const CChunkerList* m_processor; // not owned
    CChange m_defaultHandler;
    CChange* m_table[kTableSize];
    std::vector<std::unique_ptr<CChange>> m_owned;
};
