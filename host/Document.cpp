#include "trxhost/Document.h"

#include <cstring>

namespace trxhost {

bool InjectedFailure::matches(const char* callService, uint32_t callList, uint32_t callItem) const
{
    return service == callService && (!list || *list == callList) && (!item || *item == callItem);
}

bool InjectedFailure::operator==(const InjectedFailure& other) const
{
    return service == other.service && list == other.list && item == other.item && code == other.code;
}

const std::vector<std::string>& failureServices()
{
    static const std::vector<std::string> services = {
        "DAGetHChunker", "DAGetOption",  "DARetrieveDocHandle", "DAOpenDocument", "DAGetHIOFile",
        "CHGetItemId",   "CHNextItemId", "CHGetItem",           "CHGetItems",     "IOCreate",
        "IOOpen",        "UTCreateMap",  "UTMapCharRtn",
    };
    return services;
}

Document::Document()
{
    for (const ListLayout& layout : listLayouts())
        lists_.emplace(layout.type, ItemList(layout));
}

ItemList* Document::list(uint32_t type)
{
    const auto found = lists_.find(type);
    return found == lists_.end() ? nullptr : &found->second;
}

const ItemList* Document::list(uint32_t type) const
{
    const auto found = lists_.find(type);
    return found == lists_.end() ? nullptr : &found->second;
}

uint32_t Document::appendChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    const uint32_t words[] = {type, value1, value2, value3};
    uint8_t record[sizeof words];
    std::memcpy(record, words, sizeof words);
    return list(CHLIST_CHANGES)->append(record, sizeof record);
}

const Bytes* Document::option(uint32_t id) const
{
    const auto found = options_.find(id);
    return found == options_.end() ? nullptr : &found->second;
}

bool Document::addObject(ObjectKey key, Bytes bytes)
{
    return objects_.emplace(key, std::move(bytes)).second;
}

const Bytes* Document::object(ObjectKey key) const
{
    const auto found = objects_.find(key);
    return found == objects_.end() ? nullptr : &found->second;
}

bool Document::injectedFailure(const char* service, uint32_t list, uint32_t item, TRXERR* code) const
{
    // Every service call asks; a document without failures answers at once.
    if (failures_.empty())
        return false;
    for (const InjectedFailure& failure : failures_) {
        if (failure.matches(service, list, item)) {
            if (code)
                *code = failure.code;
            return true;
        }
    }
    return false;
}

bool Document::operator==(const Document& other) const
{
    return lists_ == other.lists_ && options_ == other.options_ && objects_ == other.objects_ &&
           failures_ == other.failures_;
}

} // namespace trxhost
