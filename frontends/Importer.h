// Reads a word-processing file into a host document through the importer
// library that recognises it. Each library recognises files by their
// content, never by their name; they are asked in the order of
// importerNames(): AbiWord (libabw), WordPerfect (libwpd), Works (libwps),
// then the classic Mac formats (libmwaw), whose recognition is the broadest.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace librevenge {
class RVNGInputStream;
class RVNGTextInterface;
} // namespace librevenge

namespace trxhost {
class Document;
}

namespace frontends {

// A file that an importer recognises but cannot read: damaged, encrypted,
// or of a kind other than text. what() names the file, the format and why.
class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The formats in the order they are tried.
const std::vector<std::string>& importerNames();

// The document built from the file at `path`, or null when no importer
// recognises it (also when it cannot be opened). Throws ImportError.
std::unique_ptr<trxhost::Document> importDocument(const std::string& path);
// The same for a stream (a file in memory, say); `name` stands for the file
// in the errors' text.
std::unique_ptr<trxhost::Document> importDocument(librevenge::RVNGInputStream& input, const std::string& name);

// Sends the stream's events to `target` through the importer that
// recognises it, as importDocument does to the document it builds; false
// when no importer recognises the stream. Throws ImportError.
bool importInto(librevenge::RVNGInputStream& input, librevenge::RVNGTextInterface& target, const std::string& name);

} // namespace frontends
