// Reads one input into a host document: a file or standard input as a
// listing when it is one, else through the importer that recognises its
// content. Throws InputError with a one-line reason.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace trxhost {
class Document;
}

namespace icfexport {

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::unique_ptr<trxhost::Document> loadInput(const std::string& input);

} // namespace icfexport
