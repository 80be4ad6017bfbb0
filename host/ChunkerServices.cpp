// The chunker item services over the active export's document. In every
// list the item at index i has id i; the list's length is its end position,
// where CHGetItem answers TRXERR_NOITEM. Handles and out-pointers are checked
// first, then the document's injected failures; a failing call writes nothing.
#include "trxhost/Document.h"
#include "trxhost/Export.h"

namespace {

using trxhost::Export;
using trxhost::ItemList;

// The list of a valid call, or null: the reason goes to *code.
const ItemList* callList(HCHUNKER hChunker, const char* service, uint32_t listType, uint32_t item, TRXERR* code)
{
    *code = TRXERR_BADPARAM;
    const Export* active = Export::active();
    if (!active || active->chunkerHandle() != hChunker)
        return nullptr;
    const trxhost::Document& document = active->document();
    if (document.injectedFailure(service, listType, item, code))
        return nullptr;
    *code = TRXERR_BADPARAM;
    return document.list(listType);
}

} // namespace

TRX_API TRXERR CHGetItemId(HCHUNKER hChunker, uint32_t listType, uint32_t index, uint32_t* itemId)
{
    if (!itemId)
        return TRXERR_BADPARAM;
    TRXERR code;
    const ItemList* list = callList(hChunker, "CHGetItemId", listType, index, &code);
    if (!list || index > list->length())
        return code;
    *itemId = index;
    return TRXERR_OK;
}

TRX_API TRXERR CHNextItemId(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, uint32_t* nextId)
{
    if (!nextId)
        return TRXERR_BADPARAM;
    TRXERR code;
    const ItemList* list = callList(hChunker, "CHNextItemId", listType, itemId, &code);
    if (!list || itemId > list->length())
        return code;
    if (itemId == list->length())
        return TRXERR_NOITEM;
    *nextId = itemId + 1;
    return TRXERR_OK;
}

TRX_API TRXERR CHGetItem(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, void* record, uint32_t* itemIdInOut)
{
    if (!record || !itemIdInOut)
        return TRXERR_BADPARAM;
    TRXERR code;
    const ItemList* list = callList(hChunker, "CHGetItem", listType, itemId, &code);
    if (!list || itemId > list->length())
        return code;
    if (!list->copy(itemId, 1, record))
        return TRXERR_NOITEM;
    *itemIdInOut = itemId + 1;
    return TRXERR_OK;
}

TRX_API TRXERR CHGetItems(HCHUNKER hChunker, uint32_t listType, uint32_t itemId, uint32_t count, uint16_t* buffer)
{
    if (!buffer)
        return TRXERR_BADPARAM;
    TRXERR code;
    const ItemList* list = callList(hChunker, "CHGetItems", listType, itemId, &code);
    if (!list || !list->layout().units() || itemId > list->length() || count > list->length() - itemId)
        return code;
    list->copy(itemId, count, buffer);
    return TRXERR_OK;
}
