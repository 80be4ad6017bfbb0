#include "IcfListing.h"

#include "DisplayText.h"
#include "ParameterForms.h"
#include "TextDecoder.h"

#include <optional>

namespace icfdump {

namespace {

constexpr size_t kIndentWidth = 2;
constexpr size_t kOffsetWidth = 8;

class Lister {
public:
    explicit Lister(const ListingOptions& options) : options_(options), decoder_(options.decodeText) {}

    std::vector<std::string> list(const Sequence& items)
    {
        listSequence(items, 0);
        return std::move(lines_);
    }

private:
    void addLine(size_t offset, size_t depth, const std::string& content)
    {
        std::string line;
        if (options_.showOffsets) {
            const std::string number = std::to_string(offset);
            line = std::string(number.size() < kOffsetWidth ? kOffsetWidth - number.size() : 0, ' ') + number + "  ";
        }
        lines_.push_back(line + std::string(depth * kIndentWidth, ' ') + content);
    }

    void listSequence(const Sequence& items, size_t depth)
    {
        for (const Piece& piece : decoder_.pieces(items)) {
            if (piece.command)
                listCommand(*piece.command, depth);
            else
                addLine(piece.offset, depth, piece.text);
        }
    }

    void listCommand(const Item& command, size_t depth)
    {
        std::string header = displayName(command.text);
        std::vector<size_t> blocks;
        for (size_t i = 0; i < command.parameters.size(); ++i) {
            const std::optional<std::string> form = singleForm(command, i);
            if (form) {
                header += ' ' + *form;
            } else {
                header += " #" + std::to_string(i + 1);
                blocks.push_back(i);
            }
        }
        addLine(command.offset, depth, header);
        for (const size_t i : blocks) {
            const Segment& parameter = command.parameters[i];
            addLine(parameter.offset, depth + 1, '#' + std::to_string(i + 1) + ':');
            listSequence(parameter.items, depth + 2);
        }
        listSequence(command.body.items, depth + 1);
    }

    // The form of a parameter that fits on its command's line, if it does.
    std::optional<std::string> singleForm(const Item& command, size_t index)
    {
        const Sequence& items = command.parameters[index].items;
        if (items.empty())
            return parameterForm(command, index, "");
        if (items.size() == 1 && items[0].kind == Item::Kind::Text)
            return parameterForm(command, index, items[0].text);
        if (!options_.decodeText)
            return std::nullopt;
        const std::vector<Piece> pieces = decoder_.pieces(items);
        if (pieces.size() == 1 && !pieces[0].command)
            return pieces[0].text;
        return std::nullopt;
    }

    const ListingOptions& options_;
    TextDecoder decoder_;
    std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> listIcf(const IcfStream& stream, const ListingOptions& options)
{
    return Lister(options).list(stream.items);
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

} // namespace icfdump
