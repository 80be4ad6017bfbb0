#include "frontends/ListBuilder.h"

#include "frontends/HostOutput.h"
#include "frontends/Properties.h"
#include "frontends/StyleDefinition.h"
#include "trx/changes.h"

#include <algorithm>
#include <string>

namespace frontends {

namespace {

// List styles take ids of their own, far above those of paragraph and
// character styles, which count from 1.
constexpr uint32_t kFirstListStyleId = 0x10000;

// A list counter's first number and step lie in the low half of their
// words.
constexpr int kMaxStartAt = 0xFFFF;
constexpr uint32_t kStep = 1;
// A format the host shows no number for: the level's text is its prefix
// and suffix alone.
constexpr uint32_t kNoNumber = 0;

// The bullet of a bulleted level that names none.
constexpr char kDefaultBullet[] = "\u2022";
// Numbers of the levels above shown before the level's own are separated so.
constexpr char kLevelSeparator[] = ".";
// No sound document puts more than a few characters around a number; the
// bound keeps a damaged prefix or suffix from growing the number's text.
constexpr std::size_t kMaxAffixLength = 64;

int intOf(const librevenge::RVNGPropertyList& properties, const char* name, int otherwise)
{
    const librevenge::RVNGProperty* property = properties[name];
    return property ? property->getInt() : otherwise;
}

// A property's text, cut at kMaxAffixLength.
std::string affixOf(const librevenge::RVNGPropertyList& properties, const char* name)
{
    std::string text = textOf(properties, name);
    if (text.size() > kMaxAffixLength)
        text.resize(kMaxAffixLength);
    return text;
}

// The host's format of an ordered level's number format ("1", "a", "A",
// "i", "I"); anything else shows no number.
uint32_t formatOf(const librevenge::RVNGPropertyList& properties)
{
    const std::string format = textOf(properties, "style:num-format", "1");
    if (format == "1")
        return CHFORMAT_DECIMAL;
    if (format == "a")
        return CHFORMAT_LETTERS | CHFORMAT_LOWER_CASE;
    if (format == "A")
        return CHFORMAT_LETTERS;
    if (format == "i")
        return CHFORMAT_ROMAN | CHFORMAT_LOWER_CASE;
    if (format == "I")
        return CHFORMAT_ROMAN;
    return kNoNumber;
}

// The host's level (from 0) of an importer's level (from 1), bounded.
uint32_t hostLevelOf(int level)
{
    return static_cast<uint32_t>(std::clamp<int>(level, 1, kMaxListLevels) - 1);
}

} // namespace

ListBuilder::ListBuilder(HostOutput& output) : output_(output)
{
}

ListBuilder::~ListBuilder() = default;

void ListBuilder::openLevel(const librevenge::RVNGPropertyList& properties, bool ordered)
{
    ++depth_;
    if (depth_ == 1)
        current_ = &styleOf(properties);
    const uint32_t level = hostLevelOf(intOf(properties, "librevenge:level", static_cast<int>(depth_)));
    if (!current_->defined[level]) {
        defineLevel(level, properties, ordered);
        current_->defined.set(level);
    }
    if (open_.size() < kMaxListLevels)
        open_.push_back({level, false});
}

void ListBuilder::closeLevel()
{
    if (depth_ == 0)
        return;
    if (open_.size() == depth_)
        open_.pop_back();
    --depth_;
}

// A level opened inside a list starts again at its first number; the
// outermost goes on from where its list was.
void ListBuilder::openElement()
{
    if (open_.empty())
        return;
    OpenLevel& open = open_.back();
    output_.change(CHCHANGE_APPLY_STYLE, 0, current_->id);
    output_.change(CHCHANGE_APPLY_COUNTER, CHCOUNTER_LIST_NUMBER, open.level, CHCOUNTER_NUMBERED);
    if (!open.numbered && open.level > 0)
        output_.change(CHCHANGE_RESTART_COUNTER, CHCOUNTER_LIST_NUMBER, open.level, CHCOUNTER_RESTART_AT_START);
    open.numbered = true;
    numbered_ = true;
}

void ListBuilder::openParagraph()
{
    if (!numbered_)
        return;
    output_.change(CHCHANGE_APPLY_COUNTER, CHCOUNTER_LIST_NUMBER, 0, CHCOUNTER_NOT_NUMBERED);
    numbered_ = false;
}

ListBuilder::ListStyle& ListBuilder::styleOf(const librevenge::RVNGPropertyList& properties)
{
    ListStyle* style = nullptr;
    if (const librevenge::RVNGProperty* id = properties["librevenge:list-id"]) {
        style = &named_[id->getInt()];
    } else {
        unnamed_ = std::make_unique<ListStyle>();
        style = unnamed_.get();
    }
    if (style->id == 0)
        style->id = kFirstListStyleId + styles_++;
    return *style;
}

// A level is defined in a definition of its list style of its own, the
// first time the list opens it.
void ListBuilder::defineLevel(uint32_t level, const librevenge::RVNGPropertyList& properties, bool ordered)
{
    const uint32_t numberTextTag = output_.newTagId();
    const uint32_t definitionTag = beginStyleDefinition(output_, current_->id, CHSTYLE_LIST);
    std::vector<uint32_t> counter = wordRecord(CHCOUNTER_RECORD_SIZE);
    wordAt(counter, CHCOUNTER_START) =
        ordered ? static_cast<uint32_t>(std::clamp(intOf(properties, "text:start-value", 1), 0, kMaxStartAt)) : 1;
    wordAt(counter, CHCOUNTER_COUNT_BY) = kStep;
    wordAt(counter, CHCOUNTER_NUMBER_TEXT) = numberTextTag;
    wordAt(counter, CHCOUNTER_FORMAT) = ordered ? formatOf(properties) : kNoNumber;
    const uint32_t counterRecord = output_.dataRecord(counter);
    output_.change(CHCHANGE_DEFINE_COUNTER, CHCOUNTER_LIST_NUMBER, level, counterRecord);
    const uint32_t numberText = output_.change(CHCHANGE_BEGIN_TAG, CHTAG_NUMBER_TEXT, numberTextTag);
    output_.tagTrack(numberText, CHTAG_NUMBER_TEXT, numberTextTag);
    writeNumberText(level, properties, ordered);
    output_.change(CHCHANGE_END_TAG, CHTAG_NUMBER_TEXT, numberTextTag);
    endStyleDefinition(output_, definitionTag);
}

// An ordered level's text: its prefix, the numbers of the levels above it
// that it shows (text:display-levels), its own number and its suffix. A
// bulleted level's text is its bullet character, which the host shows as
// the number's text.
void ListBuilder::writeNumberText(uint32_t level, const librevenge::RVNGPropertyList& properties, bool ordered)
{
    if (!ordered) {
        const std::string bullet = affixOf(properties, "text:bullet-char");
        output_.text(bullet.empty() ? kDefaultBullet : bullet);
        return;
    }
    output_.text(affixOf(properties, "style:num-prefix"));
    const auto shown = static_cast<uint32_t>(
        std::clamp<int>(intOf(properties, "text:display-levels", 1), 1, static_cast<int>(level) + 1));
    for (uint32_t above = level + 1 - shown; above < level; ++above) {
        output_.change(CHCHANGE_COUNTER_REFERENCE, CHCOUNTER_LIST_NUMBER, above);
        output_.text(kLevelSeparator);
    }
    output_.change(CHCHANGE_COUNTER_REFERENCE, CHCOUNTER_LIST_NUMBER, level);
    output_.text(affixOf(properties, "style:num-suffix"));
}

} // namespace frontends
