// The exceptions the filter raises. Each holds a pointer to a static message
// text and never copies it; the session functions turn them into host codes.
#pragma once

#include <cstdint>

// The filter's own host codes, beside the host's TRXERR values.
constexpr int32_t kFilterFailure = 18;
constexpr int32_t kFilterOutOfMemory = 30;
constexpr int32_t kFilterMissingHandle = 45;

class ExBase {
public:
    explicit ExBase(const char* message) : m_message(message) {}
    virtual ~ExBase() = default;
    const char* getErrorString() const { return m_message; }
    void setErrorString(char* message) { m_message = message; }

private:
    const char* m_message;
};

class ExLocal : public ExBase {
public:
    ExLocal(const char* message, int16_t stage) : ExBase(message), m_stage(stage) {}
    int16_t getStageReached() const { return m_stage; }
    void setStageReached(int16_t stage) { m_stage = stage; }

private:
    int16_t m_stage;
};

class ExAssertionFailed : public ExBase {
public:
    using ExBase::ExBase;
};

class ExContentNodeCreatorNotFound : public ExBase {
public:
    using ExBase::ExBase;
};

class ExICFWriter : public ExBase {
public:
    using ExBase::ExBase;
};

// A host service failed; carries the host's code back to the host.
class ExChunkerFailed : public ExBase {
public:
    ExChunkerFailed(const char* message, uint32_t trxErrNumber) : ExBase(message), m_trxErrNumber(trxErrNumber) {}
    uint32_t getTrxErrNumber() const { return m_trxErrNumber; }

private:
    uint32_t m_trxErrNumber;
};

class ExMisformedChunkerDataError : public ExBase {
public:
    using ExBase::ExBase;
};

// The tree is not shaped as a change requires.
class ExNodeParsingError : public ExMisformedChunkerDataError {
public:
    using ExMisformedChunkerDataError::ExMisformedChunkerDataError;
};
