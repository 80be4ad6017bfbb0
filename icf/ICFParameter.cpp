#include "icf/ICFParameter.h"

#include "icf/ICFCommand.h"
#include "icf/ICFTextWriter.h"
#include "icf/ICFWriter.h"

namespace {

// Bytes of the number of digits each hex size type writes.
unsigned char hexBytes(EHexSizeType size)
{
    switch (size) {
    case kHexSizeByte:
        return 1;
    case kHexSizeDoubleWord:
        return 4;
    default:
        return 2;
    }
}

} // namespace

bool CICFParameter::operator==(const CICFParameter& other) const
{
    return getType() == other.getType() && hasSameValue(other);
}

std::unique_ptr<CICFParameter> CICFNullParameter::clone() const
{
    return std::make_unique<CICFNullParameter>(*this);
}

CICFDecimalParameter& CICFDecimalParameter::operator=(unsigned long value)
{
    setValue(value);
    return *this;
}

CICFDecimalParameter& CICFDecimalParameter::operator|=(unsigned long bits)
{
    setValue(m_value | bits);
    return *this;
}

void CICFDecimalParameter::write(CICFWriter* writer) const
{
    writer->writeAsciiDecimal(m_value);
}

std::unique_ptr<CICFParameter> CICFDecimalParameter::clone() const
{
    return std::make_unique<CICFDecimalParameter>(*this);
}

bool CICFDecimalParameter::hasSameValue(const CICFParameter& other) const
{
    return m_value == static_cast<const CICFDecimalParameter&>(other).m_value;
}

void CICFHexParameter::write(CICFWriter* writer) const
{
    const unsigned char bytes = hexBytes(m_size);
    writer->writeAsciiHexadecimal(getValue(), bytes, bytes);
}

std::unique_ptr<CICFParameter> CICFHexParameter::clone() const
{
    return std::make_unique<CICFHexParameter>(*this);
}

bool CICFHexParameter::hasSameValue(const CICFParameter& other) const
{
    return CICFDecimalParameter::hasSameValue(other) && m_size == static_cast<const CICFHexParameter&>(other).m_size;
}

void CICFStringParameter::write(CICFWriter* writer) const
{
    CICFTextWriter textWriter;
    for (const CCharacterString& text : m_texts)
        textWriter.writeText(writer, text);
    textWriter.done();
}

std::unique_ptr<CICFParameter> CICFStringParameter::clone() const
{
    return std::make_unique<CICFStringParameter>(*this);
}

bool CICFStringParameter::hasSameValue(const CICFParameter& other) const
{
    return m_texts == static_cast<const CICFStringParameter&>(other).m_texts;
}

CICFNestedParameter::CICFNestedParameter() = default;
CICFNestedParameter::CICFNestedParameter(const CICFNestedParameter& other) = default;
CICFNestedParameter& CICFNestedParameter::operator=(const CICFNestedParameter& other) = default;
CICFNestedParameter::~CICFNestedParameter() = default;

void CICFNestedParameter::write(CICFWriter* writer) const
{
    for (const CICFCommand& command : m_commands)
        command.write(writer);
}

std::unique_ptr<CICFParameter> CICFNestedParameter::clone() const
{
    return std::make_unique<CICFNestedParameter>(*this);
}

bool CICFNestedParameter::hasSameValue(const CICFParameter& other) const
{
    return m_commands == static_cast<const CICFNestedParameter&>(other).m_commands;
}
