// The node classes the reader builds its tree from, registered with the
// node factory in a fixed order.
#pragma once

class INodeRegistrar;

void registerReaderNodeCreators(INodeRegistrar& registrar);
