// Unit tests of the model and the writer map characters through the host's
// maps, as a conversion does: the stand-in serves them.
#include "chunker/UTCharMap.h"

#include <gtest/gtest.h>

namespace {

class HostCharacterMapping : public testing::Environment {
public:
    void SetUp() override { setCurrentCharacterMapper(&m_mapper); }
    void TearDown() override { setCurrentCharacterMapper(nullptr); }

private:
    CHostCharacterMapper m_mapper;
};

const testing::Environment* const s_environment = testing::AddGlobalTestEnvironment(new HostCharacterMapping);

} // namespace
