#include "core/ExportContext.h"

#include "core/Exceptions.h"

CExportContext::CExportContext()
{
    CExportContext* none = nullptr;
    if (!s_current.compare_exchange_strong(none, this))
        throw ExAssertionFailed("REQUIRE: s_current == NULL\n\tFile: ExportContext  ln(19)");
}

// The state goes before the claim, so that a new export never meets the
// host maps or handles of this one.
CExportContext::~CExportContext()
{
    for (std::unique_ptr<IExportLayerState>& state : m_states)
        state.reset();
    m_characterMapper.reset();
    s_current.store(nullptr);
}

void CExportContext::throwNoExport()
{
    throw ExAssertionFailed("REQUIRE: s_current != NULL\n\tFile: ExportContext  ln(36)");
}

ICharacterMapper& CExportContext::characterMapper()
{
    if (!m_characterMapper)
        throw ExAssertionFailed("REQUIRE: m_characterMapper != NULL\n\tFile: ExportContext  ln(43)");
    return *m_characterMapper;
}

void CExportContext::setCharacterMapper(std::unique_ptr<ICharacterMapper> mapper)
{
    m_characterMapper = std::move(mapper);
}
