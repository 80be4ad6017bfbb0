#include "icf/ICFCommandWriter.h"

#include "core/Exceptions.h"
#include "icf/ICFExportState.h"
#include "icf/ICFParameter.h"
#include "icf/ICFSyntax.h"
#include "icf/ICFWriter.h"

CICFCommandWriter::~CICFCommandWriter()
{
    try {
        done();
    } catch (const ExICFWriter&) {
        // The stream has failed; the write in progress, or the next one,
        // reports it.
    }
}

void CICFCommandWriter::initialize(CICFWriter* writer, std::string_view name)
{
    done();
    m_writer = writer;
    restart(name);
}

void CICFCommandWriter::restart(std::string_view name)
{
    if (!m_writer)
        return;
    closeCommand();
    if (!isEnabled()) {
        suppressOutput();
        return;
    }
    m_writer->writeByteArray(sizeof kICFCommandIntroducer, kICFCommandIntroducer);
    m_writer->writeByteArray(name.size(), reinterpret_cast<const unsigned char*>(name.data()));
    m_open = true;
}

void CICFCommandWriter::writeParameter(const CICFParameter& parameter)
{
    if (!m_writer || !m_open)
        return;
    parameter.write(m_writer);
    m_writer->writeByte(kICFParameterEnd);
}

CICFCommandWriter* CICFCommandWriter::nestICFCommandWriter()
{
    if (!m_open)
        return m_nested.get();
    if (m_nested) {
        m_nested->done();
    } else {
        m_nested = std::make_unique<CICFCommandWriter>();
        m_nested->m_writer = m_writer;
    }
    return m_nested.get();
}

void CICFCommandWriter::done()
{
    closeCommand();
    endSuppression();
}

void CICFCommandWriter::writeNoParamCmd(CICFWriter* writer, std::string_view name)
{
    if (!isEnabled())
        return;
    initialize(writer, name);
    done();
}

void CICFCommandWriter::writeDecimalCmd(CICFWriter* writer, std::string_view name,
                                        std::initializer_list<SDecimalValue> values)
{
    CICFCommandWriter command;
    command.initialize(writer, name);
    for (const SDecimalValue& decimal : values)
        command.writeParameter(CICFDecimalParameter(decimal.value));
    command.done();
}

void CICFCommandWriter::writeNoParamCmd(std::string_view name)
{
    initialize(m_writer, name);
    done();
}

void CICFCommandWriter::releaseNestedICFCommandWriter()
{
    // Finished before it goes, so that a stream failure is reported here.
    if (m_nested)
        m_nested->done();
    m_nested.reset();
}

void CICFCommandWriter::disable()
{
    ++SICFExportState::current().commandDisableCount;
}

void CICFCommandWriter::enable()
{
    uint32_t& count = SICFExportState::current().commandDisableCount;
    if (count > 0)
        --count;
}

bool CICFCommandWriter::isEnabled()
{
    return SICFExportState::current().commandDisableCount == 0;
}

void CICFCommandWriter::closeCommand()
{
    if (!m_writer || !m_open)
        return;
    releaseNestedICFCommandWriter();
    m_open = false;
    m_writer->writeByte(kICFCommandEnd);
}

void CICFCommandWriter::suppressOutput()
{
    if (m_suppressing)
        return;
    m_suppressing = true;
    m_writer->disableOutput();
}

void CICFCommandWriter::endSuppression()
{
    if (!m_suppressing)
        return;
    m_suppressing = false;
    m_writer->enableOutput();
}
