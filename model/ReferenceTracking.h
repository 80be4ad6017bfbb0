// Reference counting of the shared property and definition objects of the
// model. Whoever stores a pointer to such an object takes a reference
// (addRef) and drops it (releaseRef) when it lets go; the creator's own
// reference is the initial count of 1. The last release destroys the object.
#pragma once

#include <cstdint>

class IReferenceTracking {
public:
    virtual void addRef() = 0;
    virtual void releaseRef() = 0;

protected:
    // Counted objects end through their last releaseRef, never by delete
    // through an interface.
    virtual ~IReferenceTracking() = default;
};

// Implements the count. Interfaces of counted objects derive virtually from
// IReferenceTracking, so that a class deriving from such an interface and
// from CReferenceTracking gets its addRef and releaseRef from here.
class CReferenceTracking : public virtual IReferenceTracking {
public:
    CReferenceTracking() = default;
    // A copy is a new object: it starts with the copier's single reference.
    CReferenceTracking(const CReferenceTracking&) {}
    // Assignment copies values, never the count of references held on the
    // object assigned to.
    CReferenceTracking& operator=(const CReferenceTracking&) { return *this; }

    void addRef() override;
    // Destroys the object when the count, read as signed, drops to 0 or below.
    void releaseRef() override;

    uint32_t getReferenceCount() const { return m_count; }

protected:
    ~CReferenceTracking() override = default;

private:
    uint32_t m_count = 1;
};
