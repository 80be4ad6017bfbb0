// An export as the host runs it: one document, its export options, and the
// handle the filter receives. While an Export exists it is the active one:
// the services answer for its document and its injected failures apply.
// Handles are compared, never followed: an unknown handle is simply not one
// of the active export's.
#pragma once

#include "trx/platform.h"

#include <cstdint>
#include <map>
#include <vector>

namespace trxhost {

class Document;

class TRX_API Export {
public:
    // Options given here override the document's own for this export.
    explicit Export(const Document& document);
    ~Export();
    Export(const Export&) = delete;
    Export& operator=(const Export&) = delete;

    void setOption(uint32_t id, std::vector<uint8_t> value);
    void setNumericOption(uint32_t id, uint32_t value);

    HEXPORT handle() const;
    const Document& document() const { return document_; }
    // The bytes of an option as DAGetOption delivers them, or null when unset.
    const std::vector<uint8_t>* option(uint32_t id) const;

    // The export now active, or null; handles are checked against it.
    static Export* active();
    // The active export when `hExport` is its handle, else null.
    static Export* find(HEXPORT hExport);

    // The handles of the document's chunker and of the document itself.
    HCHUNKER chunkerHandle() const;
    HDOC documentHandle() const;
    // Opens the embedded object (first, second): its handle, or 0 when the
    // document has no such object.
    HDOC openObject(uint32_t first, uint32_t second);
    // The bytes and numbers of an object opened by this export, or null.
    const std::vector<uint8_t>* openedObject(HDOC hDoc, uint32_t* first, uint32_t* second) const;

private:
    struct OpenedObject {
        uint32_t first;
        uint32_t second;
        const std::vector<uint8_t>* bytes;
    };

    const Document& document_;
    std::map<uint32_t, std::vector<uint8_t>> options_;
    // Their addresses are the chunker and document handles.
    char chunkerToken_ = 0;
    char documentToken_ = 0;
    // By handle: the address of the object's bytes in the document.
    std::map<HDOC, OpenedObject> openedObjects_;
};

} // namespace trxhost
