// Unit tests of the model, the reader and the writer run inside one export
// context, as a conversion's objects do: the item lists keep their handles
// there and the strings map their characters through the host's maps, which
// the stand-in serves.
#include "chunker/UTCharMap.h"
#include "core/ExportContext.h"

#include <gtest/gtest.h>

namespace {

class HostExportContext : public testing::Environment {
public:
    void SetUp() override
    {
        m_context = std::make_unique<CExportContext>();
        m_context->setCharacterMapper(std::make_unique<CHostCharacterMapper>());
    }
    void TearDown() override { m_context.reset(); }

private:
    std::unique_ptr<CExportContext> m_context;
};

const testing::Environment* const s_environment = testing::AddGlobalTestEnvironment(new HostExportContext);

} // namespace
