#include "chunker/XlatorManager.h"

#include "chunker/ChunkerColumnNodeXlator.h"
#include "chunker/WordStrandNodeXlator.h"
#include "model/NodeCreators.h"

namespace {

// Creates translators of class T for nodes of kind Source, written by the
// writer of kind Dest.
template <class T, EContentInterfaceID Source, EContentInterfaceID Dest>
class TNodeXlatorCreator : public INodeXlatorCreator {
public:
    CNodeXlator* create() override { return new T; }
    EContentInterfaceID getSourceInterfaceID() override { return Source; }
    EContentInterfaceID getDestInterfaceID() override { return Dest; }
};

} // namespace

void CXlatorManager::initialize(INodeRegistrar* registrar)
{
    registrar->registerNodeXlatorCreator(
        new TNodeXlatorCreator<CChunkerColumnNodeXlator, kChunkerColumnNode, kNullInterface>);
    registrar->registerNodeXlatorCreator(
        new TNodeXlatorCreator<CWordStrandNodeXlator, kWordTextStrandNode, kTextStrandNode>);
}
