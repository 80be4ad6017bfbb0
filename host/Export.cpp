#include "trxhost/Export.h"
#include "trxhost/Document.h"

#include <cstring>

namespace trxhost {
namespace {

Export* activeExport = nullptr;

} // namespace

Export::Export(const Document& document) : document_(document)
{
    activeExport = this;
}

Export::~Export()
{
    if (activeExport == this)
        activeExport = nullptr;
}

void Export::setOption(uint32_t id, std::vector<uint8_t> value)
{
    options_[id] = std::move(value);
}

void Export::setNumericOption(uint32_t id, uint32_t value)
{
    std::vector<uint8_t> bytes(DAOPT_NUMERIC_SIZE);
    std::memcpy(bytes.data(), &value, sizeof value);
    setOption(id, std::move(bytes));
}

HEXPORT Export::handle() const
{
    return reinterpret_cast<HEXPORT>(this);
}

const std::vector<uint8_t>* Export::option(uint32_t id) const
{
    const auto found = options_.find(id);
    return found != options_.end() ? &found->second : document_.option(id);
}

Export* Export::active()
{
    return activeExport;
}

Export* Export::find(HEXPORT hExport)
{
    return activeExport && activeExport->handle() == hExport ? activeExport : nullptr;
}

HCHUNKER Export::chunkerHandle() const
{
    return reinterpret_cast<HCHUNKER>(&chunkerToken_);
}

HDOC Export::documentHandle() const
{
    return reinterpret_cast<HDOC>(&documentToken_);
}

HDOC Export::openObject(uint32_t first, uint32_t second)
{
    const std::vector<uint8_t>* bytes = document_.object({first, second});
    if (!bytes)
        return 0;
    const auto hDoc = reinterpret_cast<HDOC>(bytes);
    openedObjects_[hDoc] = OpenedObject{first, second, bytes};
    return hDoc;
}

const std::vector<uint8_t>* Export::openedObject(HDOC hDoc, uint32_t* first, uint32_t* second) const
{
    const auto found = openedObjects_.find(hDoc);
    if (found == openedObjects_.end())
        return nullptr;
    *first = found->second.first;
    *second = found->second.second;
    return found->second.bytes;
}

} // namespace trxhost
