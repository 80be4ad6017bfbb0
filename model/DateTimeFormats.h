// The format of a date/time field: an ordered list of items, each either
// literal text or a code for one part of the date or time. Items are shared
// by reference counting.
#pragma once

#include "model/CharacterString.h"
#include "model/ReferenceTracking.h"

#include <cstdint>

enum EDateTimeFormatType : uint32_t {
    kDateTimeFormatUnset = 0,
    kDateTimeFormatCharacters = 1,
    kDateTimeFormatCode = 2,
};

// The part of the date or time a code item stands for, numbered 1 to 11 as
// the reader numbers them; the field writer maps them to output codes.
enum EDateTimeFormatCode : uint32_t {};

class CDateTimeFormat : public CReferenceTracking {
public:
    CDateTimeFormat() = default;
    CDateTimeFormat(const CDateTimeFormat&) = delete;
    CDateTimeFormat& operator=(const CDateTimeFormat&) = delete;

    void setType(EDateTimeFormatType type) { m_type = type; }
    EDateTimeFormatType getType() const { return m_type; }

protected:
    explicit CDateTimeFormat(EDateTimeFormatType type) : m_type(type) {}
    ~CDateTimeFormat() override = default;

private:
    EDateTimeFormatType m_type = kDateTimeFormatUnset;
};

// Literal text of the format, such as a separator.
class CDateTimeFormatCharacters : public CDateTimeFormat {
public:
    CDateTimeFormatCharacters() : CDateTimeFormat(kDateTimeFormatCharacters) {}
    void setString(const CCharacterString& text) { m_text = text; }
    CCharacterString& getString(CCharacterString& out) const { return out = m_text; }

private:
    CCharacterString m_text;
};

class CDateTimeFormatCode : public CDateTimeFormat {
public:
    CDateTimeFormatCode() : CDateTimeFormat(kDateTimeFormatCode) {}
    void setCode(EDateTimeFormatCode code) { m_code = code; }
    EDateTimeFormatCode getCode() const { return m_code; }

private:
    EDateTimeFormatCode m_code{};
};
