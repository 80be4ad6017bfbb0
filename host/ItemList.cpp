#include "trxhost/ItemList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace trxhost {

const std::vector<ListLayout>& listLayouts()
{
    static const std::vector<ListLayout> layouts = {
        {CHLIST_CHANGES, "changes", CHRECORD_SIZE_CHANGE, 4, WordOrder::Native},
        {CHLIST_TEXT, "text", 2, 2, WordOrder::Native},
        {CHLIST_DATA, "data records", 2, 4, WordOrder::BigEndian},
        {CHLIST_PROPERTY_TEXT, "property text", 2, 2, WordOrder::Native},
        {CHLIST_ROW_FORMATS, "row formats", CHRECORD_SIZE_ROW_FORMAT, 4, WordOrder::BigEndian},
        {CHLIST_CELL_FORMATS, "cell formats", CHRECORD_SIZE_CELL_FORMAT, 4, WordOrder::BigEndian},
        {CHLIST_FONTS, "fonts", CHRECORD_SIZE_FONT, 4, WordOrder::Native},
        {CHLIST_EMBEDDED_OBJECTS, "embedded objects", CHRECORD_SIZE_EMBEDDED_OBJECT, 4, WordOrder::BigEndian},
        {CHLIST_TAG_TRACKS, "tag tracks", CHRECORD_SIZE_TAG_TRACK, 4, WordOrder::Native},
    };
    return layouts;
}

const ListLayout* findListLayout(uint32_t type)
{
    const auto& layouts = listLayouts();
    const auto found =
        std::find_if(layouts.begin(), layouts.end(), [type](const ListLayout& layout) { return layout.type == type; });
    return found == layouts.end() ? nullptr : &*found;
}

void appendNumber(std::vector<uint8_t>& bytes, uint32_t value, uint32_t size, WordOrder order)
{
    if (order == WordOrder::BigEndian) {
        for (uint32_t i = size; i-- > 0;)
            bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return;
    }
    uint8_t raw[4];
    if (size == 2) {
        const auto unit = static_cast<uint16_t>(value);
        std::memcpy(raw, &unit, 2);
    } else {
        std::memcpy(raw, &value, 4);
    }
    bytes.insert(bytes.end(), raw, raw + size);
}

uint32_t readWord(const uint8_t* bytes, WordOrder order)
{
    if (order == WordOrder::Native) {
        uint32_t value;
        std::memcpy(&value, bytes, 4);
        return value;
    }
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

ItemList::ItemList(const ListLayout& layout, std::shared_ptr<const ItemSource> source)
    : layout_(&layout), source_(std::move(source))
{
}

uint32_t ItemList::length() const
{
    return source_ ? source_->length() : static_cast<uint32_t>(bytes_.size() / layout_->recordSize);
}

const uint8_t* ItemList::item(uint32_t id) const
{
    return !source_ && id < length() ? bytes_.data() + size_t{id} * layout_->recordSize : nullptr;
}

bool ItemList::copy(uint32_t first, uint32_t count, void* out) const
{
    const uint32_t end = length();
    if (first > end || count > end - first)
        return false;
    auto* bytes = static_cast<uint8_t*>(out);
    if (source_)
        source_->copy(first, count, bytes);
    else if (count > 0)
        std::memcpy(bytes, item(first), size_t{count} * layout_->recordSize);
    return true;
}

void ItemList::reserve(size_t bytes)
{
    if (!source_)
        bytes_.reserve(bytes);
}

uint32_t ItemList::append(const std::vector<uint8_t>& records)
{
    return append(records.data(), records.size());
}

uint32_t ItemList::append(const uint8_t* records, size_t size)
{
    if (source_)
        throw std::logic_error(std::string("the generated ") + layout_->name + " list takes no records");
    if (size % layout_->recordSize != 0)
        throw std::invalid_argument("not whole records");
    const uint32_t first = length();
    if (size / layout_->recordSize > kMaxLength - first)
        throw std::length_error(std::string("the ") + layout_->name + " list is full");
    bytes_.insert(bytes_.end(), records, records + size);
    return first;
}

} // namespace trxhost
