// A host document: its item lists, its export options, its embedded objects
// and the failures it asks the services to answer with.
#pragma once

#include "trx/platform.h"
#include "trxhost/ItemList.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trxhost {

// A service call that answers `code` instead of doing its work. An unset list
// or item matches every value.
struct TRX_API InjectedFailure {
    std::string service;
    std::optional<uint32_t> list;
    std::optional<uint32_t> item;
    TRXERR code = TRXERR_OK;

    bool matches(const char* callService, uint32_t callList, uint32_t callItem) const;
    bool operator==(const InjectedFailure& other) const;
};

// The services that consult injected failures, by their C names.
TRX_API const std::vector<std::string>& failureServices();

// An embedded object is identified by two numbers (first, second).
using ObjectKey = std::pair<uint32_t, uint32_t>;
using Bytes = std::vector<uint8_t>;

class TRX_API Document {
public:
    // Every list type of the host, each empty.
    Document();

    // The list of a type, or null for a type the host does not have.
    ItemList* list(uint32_t type);
    const ItemList* list(uint32_t type) const;

    // Appends one change record and returns its id.
    uint32_t appendChange(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0);

    void setOption(uint32_t id, Bytes value) { options_[id] = std::move(value); }
    // The option's bytes, or null when the document does not set it.
    const Bytes* option(uint32_t id) const;
    const std::map<uint32_t, Bytes>& options() const { return options_; }

    // False (and nothing stored) when an object with that key exists.
    bool addObject(ObjectKey key, Bytes bytes);
    // The object's bytes, or null. The bytes stay where they are as long as
    // the document lives.
    const Bytes* object(ObjectKey key) const;
    const std::map<ObjectKey, Bytes>& objects() const { return objects_; }

    void addFailure(InjectedFailure failure) { failures_.push_back(std::move(failure)); }
    const std::vector<InjectedFailure>& failures() const { return failures_; }
    // The first failure listed for the call wins; its code goes to *code.
    bool injectedFailure(const char* service, uint32_t list, uint32_t item, TRXERR* code) const;

    bool operator==(const Document& other) const;
    bool operator!=(const Document& other) const { return !(*this == other); }

private:
    std::map<uint32_t, ItemList> lists_;
    std::map<uint32_t, Bytes> options_;
    std::map<ObjectKey, Bytes> objects_;
    std::vector<InjectedFailure> failures_;
};

} // namespace trxhost
