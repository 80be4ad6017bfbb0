// Counter changes define, restart and apply page, note and list numbering.
#pragma once

#include "chunker/Change.h"

class CChangeListProcess;

class CChangeCounter : public CChange {
public:
    CChangeCounter() = default;
    // The handler that defines counters reads the changes that follow
    // through the change list processor.
    explicit CChangeCounter(CChangeListProcess& process) : m_process(&process) {}

private:
    CChangeListProcess* m_process = nullptr;
};
