// The node writer creator of one writer class: it makes writers of class W
// for the content kind W is registered for (W::kInterfaceID unless given).
#pragma once

#include "model/NodeCreators.h"

template <class W, EContentInterfaceID id = W::kInterfaceID>
class TNodeWriterCreator : public INodeWriterCreator {
public:
    CNodeWriter* create() override { return new W; }
    EContentInterfaceID getInterfaceID() override { return id; }
};
