// Graphic changes place embedded and referenced graphics.
#pragma once

#include "chunker/Change.h"

class CChangeListProcess;

class CChangeGraphic : public CChange {
public:
    explicit CChangeGraphic(CChangeListProcess& process) : m_process(process) {}

private:
    CChangeListProcess& m_process;
};
