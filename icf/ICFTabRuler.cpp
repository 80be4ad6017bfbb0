#include "icf/ICFTabRuler.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/CharacterSets.h"
#include "model/Units.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t kColumnMapBytes = 32;
constexpr unsigned kColumnsPerByte = 8;
constexpr unsigned char kFirstColumnBit = 0x80;
constexpr unsigned kKindBits = 4;
constexpr unsigned char kPlaceholderLeader = '.';
constexpr uint16_t kLastPlainCharacter = 127;

const char* kindLetter(ETabTypes type)
{
    switch (type) {
    case kTabCenter:
        return "C";
    case kTabRight:
        return "R";
    case kTabDecimal:
        return "D";
    default:
        return "L";
    }
}

// Bar tabs and unknown kinds are left tabs to "NTB".
unsigned char kindCode(ETabTypes type)
{
    return static_cast<unsigned char>(type <= kTabDecimal ? type : kTabLeft);
}

CCharacterString leaderOf(const CTabDefinition& tab)
{
    CCharacterString leader;
    return tab.getLeader(leader);
}

// The first character of the leader; a character outside plain ASCII is
// shown as a dot, a stop without leader has 0.
unsigned char leaderByte(const CTabDefinition& tab)
{
    const CCharacterString leader = leaderOf(tab);
    if (leader.getLength() == 0)
        return 0;
    const uint16_t character = leader.getCharacterAt(0);
    return character > kLastPlainCharacter ? kPlaceholderLeader : static_cast<unsigned char>(character);
}

template <size_t N>
void writeHexBytes(CICFCommandWriter& command, const std::array<unsigned char, N>& bytes)
{
    for (unsigned char byte : bytes)
        command.writeParameter(CICFHexParameter(byte));
}

} // namespace

CICFTabRuler::CICFTabRuler(CTabDefinitions* tabs)
{
    if (tabs)
        m_tabs = makeCounted<CTabDefinitions>(*tabs);
}

void CICFTabRuler::write(CICFWriter* writer)
{
    if (!m_tabs.get())
        return;
    applyDefaultTabs();
    TabDefinitionList& tabs = m_tabs.get()->getTabDefinitions();
    if (tabs.empty())
        return;
    tabs.sort();
    writeRUL(writer);
    writeNTB(writer);
}

int32_t CICFTabRuler::locateTab(const COffset& offset, ETabMatchType matchType)
{
    if (!m_tabs.get())
        return -1;
    applyDefaultTabs();
    TabDefinitionList& tabs = m_tabs.get()->getTabDefinitions();
    tabs.sort();
    int64_t position = offset.getValue();
    if (offset.getRelativeFrom() == kOffsetFromLeftMargin)
        position += m_leftMargin;
    if (isMeasuredFromLeftMargin())
        position -= m_leftMargin;
    // The first stop at or after the position.
    const auto found = std::find_if(tabs.begin(), tabs.end(),
                                    [position](const CTabDefinition& tab) { return tab.getOffset() >= position; });
    const auto index = static_cast<int32_t>(std::distance(tabs.begin(), found));
    if (found != tabs.end() && (found->getOffset() == position || matchType == kTabMatchAtOrAfter))
        return index;
    return matchType == kTabMatchAtOrAfter ? -1 : index - 1;
}

void CICFTabRuler::applyDefaultTabs()
{
    CTabDefinitions* set = m_tabs.get();
    if (!set)
        return;
    TabDefinitionList& tabs = set->getTabDefinitions();
    const uint32_t width = set->getDefaultTabWidth();
    if (tabs.size() >= kMaxTabs || width == 0)
        return;
    tabs.sort();
    CTabDefinition tab;
    tab.setDecimalCharacter(CCharacterString(".", kCharSetCp1252));
    uint32_t position = tabs.empty() ? 0 : (tabs.back().getOffset() / width + 1) * width;
    while (tabs.size() < kMaxTabs) {
        tab.setOffset(position);
        set->addTabDefinition(tab);
        position += width;
    }
}

bool CICFTabRuler::isMeasuredFromLeftMargin() const
{
    return m_tabs.get()->getOffsetType() == kOffsetFromLeftMargin;
}

void CICFTabRuler::writeRUL(CICFWriter* writer) const
{
    const TabDefinitionList& tabs = m_tabs.get()->getTabDefinitions();
    CICFCommandWriter command;
    command.initialize(writer, kCmdTabRuler);
    command.writeParameter(CICFDecimalParameter(isMeasuredFromLeftMargin() ? 0 : 1));
    command.writeParameter(CICFDecimalParameter(tabs.size()));
    for (const CTabDefinition& tab : tabs)
        command.writeParameter(CICFDecimalParameter(tab.getOffset()));
    for (const CTabDefinition& tab : tabs)
        command.writeParameter(CICFStringParameter(CCharacterString(kindLetter(tab.getType()), kCharSetCp1252)));
    const bool hasLeaders =
        std::any_of(tabs.begin(), tabs.end(), [](const CTabDefinition& tab) { return leaderOf(tab).getLength() != 0; });
    if (hasLeaders) {
        for (const CTabDefinition& tab : tabs)
            command.writeParameter(CICFStringParameter(leaderOf(tab)));
    }
    command.done();
}

void CICFTabRuler::writeNTB(CICFWriter* writer) const
{
    std::array<unsigned char, kColumnMapBytes> columns{};
    std::array<unsigned char, kMaxTabs / 2> kinds{};
    std::array<unsigned char, kMaxTabs> leaders{};
    const uint32_t base = isMeasuredFromLeftMargin() ? m_leftMargin : 0;
    const TabDefinitionList& tabs = m_tabs.get()->getTabDefinitions();
    const size_t used = std::min(tabs.size(), kMaxTabs);
    auto tab = tabs.begin();
    for (size_t i = 0; i < used; ++i, ++tab) {
        const uint32_t column = (tab->getOffset() + base) / kTwipsPerColumn;
        if (column / kColumnsPerByte < columns.size())
            columns[column / kColumnsPerByte] |= kFirstColumnBit >> (column % kColumnsPerByte);
        // An even-numbered stop in the high four bits, the next in the low four.
        kinds[i / 2] |= kindCode(tab->getType()) << (i % 2 == 0 ? kKindBits : 0);
        leaders[i] = leaderByte(*tab);
    }
    CICFCommandWriter command;
    command.initialize(writer, kCmdTabDefinitions);
    writeHexBytes(command, columns);
    writeHexBytes(command, kinds);
    writeHexBytes(command, leaders);
    command.writeParameter(CICFDecimalParameter(used));
    tab = tabs.begin();
    for (size_t i = 0; i < used; ++i, ++tab)
        command.writeParameter(CICFDecimalParameter(tab->getOffset()));
    command.done();
}
