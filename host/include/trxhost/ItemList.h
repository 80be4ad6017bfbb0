// The numbered item lists of a host document. A list stores its items as
// the bytes that CHGetItem copies, or has them computed by an ItemSource;
// the layout table says how big an item is and how the 32-bit numbers inside
// it are stored.
#pragma once

#include "trx/platform.h"
#include "trxhost/ItemSource.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trxhost {

enum class WordOrder { Native, BigEndian };

struct ListLayout {
    uint32_t type;       // CHLIST_*
    const char* name;    // what the list holds, for messages
    uint32_t recordSize; // bytes per item (2 for the lists of 16-bit units)
    uint32_t numberSize; // bytes a number of a listing record takes: 2 (a unit) or 4 (a word)
    WordOrder order;     // how those numbers are stored
    bool units() const { return recordSize == 2; }
};

// The layout of a list type, or null for a type the host does not have.
TRX_API const ListLayout* findListLayout(uint32_t type);
// Every list type, in ascending order.
TRX_API const std::vector<ListLayout>& listLayouts();

// Stores a number in `size` bytes (2 or 4) in the given order.
TRX_API void appendNumber(std::vector<uint8_t>& bytes, uint32_t value, uint32_t size, WordOrder order);
// Reads a 32-bit word stored in the given order.
TRX_API uint32_t readWord(const uint8_t* bytes, WordOrder order);

class TRX_API ItemList {
public:
    // Ids are 32-bit and the id after the last item must still be one.
    static constexpr uint32_t kMaxLength = UINT32_MAX - 1;

    explicit ItemList(const ListLayout& layout) : layout_(&layout) {}
    // A generated list: `source` computes its items, none are stored.
    ItemList(const ListLayout& layout, std::shared_ptr<const ItemSource> source);

    const ListLayout& layout() const { return *layout_; }
    // The number of items, which is also the end position.
    uint32_t length() const;
    // The stored record of item `id`, or null at or past the end and in a
    // generated list (which copy() reads).
    const uint8_t* item(uint32_t id) const;
    // Copies the records of `count` items from id `first` on to `out`; false,
    // and nothing copied, when they are not all in the list.
    bool copy(uint32_t first, uint32_t count, void* out) const;
    // Appends whole records and returns the id of the first; throws
    // std::length_error past kMaxLength, std::invalid_argument for bytes
    // that are not whole records and std::logic_error for a generated list.
    uint32_t append(const std::vector<uint8_t>& records);
    // The same for `size` bytes at `records`, wherever they are held.
    uint32_t append(const uint8_t* records, size_t size);
    // Makes room for `bytes` of records, so that appends up to that size do
    // not move the stored ones; room no record has reached yet costs address
    // space only. Nothing for a generated list.
    void reserve(size_t bytes);
    // The stored records; none in a generated list.
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    bool operator==(const ItemList& other) const
    {
        return layout_->type == other.layout_->type && bytes_ == other.bytes_ && source_ == other.source_;
    }

private:
    const ListLayout* layout_;
    std::vector<uint8_t> bytes_;
    std::shared_ptr<const ItemSource> source_;
};

} // namespace trxhost
