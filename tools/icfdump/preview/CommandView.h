// A command of the stream read for the preview: its parameters as numbers or
// as decoded text, and its listing form for the side panel.
#pragma once

#include "../IcfDecoder.h"

#include <optional>
#include <string>

namespace icfdump::preview {

class CommandView {
public:
    explicit CommandView(const Item& command) : command_(command) {}

    const std::string& name() const { return command_.text; }
    size_t offset() const { return command_.offset; }
    size_t parameterCount() const { return command_.parameters.size(); }
    const Item& item() const { return command_; }

    // Parameter `index` (from 0) in decimal, as the writer puts numbers;
    // null when it is missing or not a decimal number.
    std::optional<long> decimal(size_t index) const;
    // The same in hexadecimal.
    std::optional<unsigned long> hexadecimal(size_t index) const;
    // The parameter's characters in UTF-8, its escapes decoded; "" when missing.
    std::string text(size_t index) const;

    // The name and parameters as a decoded listing shows them on one line.
    std::string listingForm() const;

private:
    const Item& command_;
};

// The characters in UTF-8 of a sequence of text runs and escapes; a command
// that is not a text escape stands as its name in angle brackets.
std::string decodedText(const Sequence& items);

} // namespace icfdump::preview
