// The host's change list (list 0). At every moment it is the change at its
// position; the processor adds the handler table and dispatches that change.
#pragma once

#include "chunker/Change.h"

#include <memory>

class CChangeFactory;
class CUnhandledChanges;

class CChangeList : public CChange {
public:
    CChangeList();
    // Reads the change at the position and advances; TRXERR_NOITEM at the end.
    TRXERR getNextElement();
    void getChangeValues(uint32_t& value1, uint32_t& value2, uint32_t& value3) const;
    // Reads the next change inside a tagged stretch; false at the end tag
    // that closes it. A list that ends first is misformed data, raised with
    // `neverEnds`.
    bool getNextInTag(const char* neverEnds);
};

class CChangeListProcess : public CChangeList {
public:
    CChangeListProcess();
    ~CChangeListProcess() override;

    // Hands the current change to the handler registered for its type.
    uint32_t processNextElement(INode*& current);
    CChangeFactory& getChangeFactory() { return *m_factory; }
    // Counts there every change that reaches no handler; null counts none.
    void setUnhandledChanges(CUnhandledChanges* unhandled) { m_unhandled = unhandled; }

private:
    std::unique_ptr<CChangeFactory> m_factory;
    CUnhandledChanges* m_unhandled = nullptr;
};
