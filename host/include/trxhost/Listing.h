// The document listing: a readable, line-oriented text that describes one
// host document (its item lists, export options, embedded objects and
// injected failures). Loading is all or nothing.
#pragma once

#include "trx/platform.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace trxhost {

class Document;

// A fault in a listing; what() reads "file:line:column: message", or
// "file: message" for a fault of the whole file (line 0).
class TRX_API ListingError : public std::runtime_error {
public:
    ListingError(const std::string& file, unsigned line, unsigned column, const std::string& message);
    unsigned line() const { return line_; }
    unsigned column() const { return column_; }

private:
    unsigned line_;
    unsigned column_;
};

// `name` is used in error positions and to resolve relative file references.
TRX_API std::unique_ptr<Document> parseListing(const std::string& text, const std::string& name);
// Reads and parses a file; an unreadable file is a ListingError at line 0.
TRX_API std::unique_ptr<Document> loadListing(const std::string& path);
// Writes a document back as a listing that parses to an equal document.
TRX_API std::string formatListing(const Document& document);

} // namespace trxhost
