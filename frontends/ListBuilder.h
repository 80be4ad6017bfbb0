// Turns the list events of the importers into numbered paragraphs as a host
// sends them: each list is a list style, each of its levels a list counter
// defined in the style with the text of its number (the prefix, the number
// and the suffix, or the bullet character for a bulleted level), and each
// list element a paragraph that applies the style and the level's counter.
#pragma once

#include <librevenge/librevenge.h>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace frontends {

class HostOutput;

// The host numbers list levels from 0 to 8; deeper levels are numbered as
// the deepest, and nesting beyond it is only counted.
constexpr std::size_t kMaxListLevels = 9;

class ListBuilder {
public:
    explicit ListBuilder(HostOutput& output);
    ~ListBuilder();

    void openLevel(const librevenge::RVNGPropertyList& properties, bool ordered);
    void closeLevel();
    // Numbers the paragraph that a list element starts.
    void openElement();
    // A paragraph that is no list element: the numbering the paragraph
    // before had goes off.
    void openParagraph();

private:
    struct ListStyle {
        uint32_t id = 0;
        std::bitset<kMaxListLevels> defined;
    };
    struct OpenLevel {
        uint32_t level = 0;
        bool numbered = false;
    };

    ListStyle& styleOf(const librevenge::RVNGPropertyList& properties);
    void defineLevel(uint32_t level, const librevenge::RVNGPropertyList& properties, bool ordered);
    void writeNumberText(uint32_t level, const librevenge::RVNGPropertyList& properties, bool ordered);

    HostOutput& output_;
    // The lists an importer names (librevenge:list-id) keep their style, so
    // that a list taken up again after other paragraphs counts on.
    std::map<int, ListStyle> named_;
    std::unique_ptr<ListStyle> unnamed_;
    ListStyle* current_ = nullptr;
    std::vector<OpenLevel> open_;
    std::size_t depth_ = 0;
    bool numbered_ = false;
    uint32_t styles_ = 0;
};

} // namespace frontends
