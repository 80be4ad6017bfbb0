#include "icf/ICFCommand.h"

#include "icf/ICFCommandWriter.h"

#include <algorithm>

CICFCommand::CICFCommand(const CICFCommand& other) : m_name(other.m_name)
{
    for (const auto& parameter : other.m_parameters)
        addParameter(*parameter);
}

CICFCommand& CICFCommand::operator=(const CICFCommand& other)
{
    if (this != &other)
        *this = CICFCommand(other);
    return *this;
}

void CICFCommand::write(CICFWriter* writer) const
{
    CICFCommandWriter commandWriter;
    commandWriter.initialize(writer, m_name);
    for (const auto& parameter : m_parameters)
        commandWriter.writeParameter(*parameter);
    commandWriter.done();
}

bool CICFCommand::operator==(const CICFCommand& other) const
{
    return m_name == other.m_name &&
           std::equal(m_parameters.begin(), m_parameters.end(), other.m_parameters.begin(), other.m_parameters.end(),
                      [](const auto& mine, const auto& theirs) { return *mine == *theirs; });
}
