// The parameters of an ICF command. Each renders itself through the
// CICFWriter; the command writer puts the parameter end after it.
#pragma once

#include "model/CharacterString.h"

#include <cstdint>
#include <list>
#include <memory>

class CICFCommand;
class CICFWriter;

enum EICFParameterType : int32_t {
    kICFNullParameter = 1,
    kICFDecimalParameter = 2,
    kICFHexParameter = 3,
    kICFStringParameter = 4,
    kICFNestedParameter = 5,
};

// The number of hexadecimal digits of a hex parameter: 2, 4 or 8.
enum EHexSizeType : int32_t {
    kHexSizeByte = 0,
    kHexSizeWord = 1,
    kHexSizeDoubleWord = 2,
};

class CICFParameter {
public:
    virtual ~CICFParameter() = default;

    // Equal when of the same type and with equal values.
    bool operator==(const CICFParameter& other) const;
    bool operator!=(const CICFParameter& other) const { return !(*this == other); }

    virtual EICFParameterType getType() const = 0;
    // Renders the value (without the parameter end) on a writer that is not null.
    virtual void write(CICFWriter* writer) const = 0;
    virtual std::unique_ptr<CICFParameter> clone() const = 0;

protected:
    // Compares the values; `other` is of this parameter's type.
    virtual bool hasSameValue(const CICFParameter& other) const = 0;
};

// An empty parameter: only the parameter end is written.
class CICFNullParameter : public CICFParameter {
public:
    EICFParameterType getType() const override { return kICFNullParameter; }
    void write(CICFWriter*) const override {}
    std::unique_ptr<CICFParameter> clone() const override;

protected:
    bool hasSameValue(const CICFParameter&) const override { return true; }
};

// A 32-bit value written as a signed decimal number.
class CICFDecimalParameter : public CICFParameter {
public:
    explicit CICFDecimalParameter(unsigned long value = 0) { setValue(value); }

    // Keeps the low 32 bits: a negative number passed in reads back as itself.
    void setValue(unsigned long value) { m_value = static_cast<uint32_t>(value); }
    unsigned long getValue() const { return m_value; }
    CICFDecimalParameter& operator=(unsigned long value);
    CICFDecimalParameter& operator|=(unsigned long bits);
    // Orders by value, read as unsigned.
    bool operator<(const CICFDecimalParameter& other) const { return m_value < other.m_value; }
    bool operator>(const CICFDecimalParameter& other) const { return m_value > other.m_value; }
    bool operator<=(const CICFDecimalParameter& other) const { return m_value <= other.m_value; }
    bool operator>=(const CICFDecimalParameter& other) const { return m_value >= other.m_value; }

    EICFParameterType getType() const override { return kICFDecimalParameter; }
    void write(CICFWriter* writer) const override;
    std::unique_ptr<CICFParameter> clone() const override;

protected:
    bool hasSameValue(const CICFParameter& other) const override;

private:
    uint32_t m_value = 0;
};

// A 32-bit value written as exactly 2, 4 or 8 lowercase hexadecimal digits:
// zero-padded on the left, higher digits cut off. A size type other than
// the three known ones gives 4 digits.
class CICFHexParameter : public CICFDecimalParameter {
public:
    explicit CICFHexParameter(unsigned long value = 0, EHexSizeType size = kHexSizeByte)
        : CICFDecimalParameter(value), m_size(size)
    {
    }
    using CICFDecimalParameter::operator=;

    void setSize(EHexSizeType size) { m_size = size; }
    EHexSizeType getSize() const { return m_size; }

    EICFParameterType getType() const override { return kICFHexParameter; }
    void write(CICFWriter* writer) const override;
    std::unique_ptr<CICFParameter> clone() const override;

protected:
    // Equal value and equal size: the two render the same digits.
    bool hasSameValue(const CICFParameter& other) const override;

private:
    EHexSizeType m_size;
};

// Text: the strings one after another through one text writer, so that
// control bytes, high bytes and double-byte text get their commands.
class CICFStringParameter : public CICFParameter {
public:
    CICFStringParameter() = default;
    explicit CICFStringParameter(const CCharacterString& text) { addString(text); }
    explicit CICFStringParameter(const std::list<CCharacterString>& texts) : m_texts(texts) {}

    void addString(const CCharacterString& text) { m_texts.push_back(text); }
    std::list<CCharacterString>& getStringList() { return m_texts; }
    const std::list<CCharacterString>& getStringList() const { return m_texts; }

    EICFParameterType getType() const override { return kICFStringParameter; }
    void write(CICFWriter* writer) const override;
    std::unique_ptr<CICFParameter> clone() const override;

protected:
    // Compares the bytes of the strings, one by one.
    bool hasSameValue(const CICFParameter& other) const override;

private:
    std::list<CCharacterString> m_texts;
};

// Whole commands, each written from introducer to command end.
class CICFNestedParameter : public CICFParameter {
public:
    CICFNestedParameter();
    CICFNestedParameter(const CICFNestedParameter& other);
    CICFNestedParameter& operator=(const CICFNestedParameter& other);
    ~CICFNestedParameter() override;

    std::list<CICFCommand>& getCommandList() { return m_commands; }
    const std::list<CICFCommand>& getCommandList() const { return m_commands; }

    EICFParameterType getType() const override { return kICFNestedParameter; }
    void write(CICFWriter* writer) const override;
    std::unique_ptr<CICFParameter> clone() const override;

protected:
    bool hasSameValue(const CICFParameter& other) const override;

private:
    std::list<CICFCommand> m_commands;
};
