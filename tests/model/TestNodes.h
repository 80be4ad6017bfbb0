// Small node classes and a recording notify for tests of the tree mechanics.
#pragma once

#include "model/ContentNode.h"
#include "model/NodeFactory.h"

#include <memory>
#include <string>
#include <vector>

template <EContentInterfaceID Id, class Base>
class TTestNode : public IContent, public Base {
public:
    static constexpr EContentInterfaceID kInterfaceID = Id;
    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return Id; }
};

using TestTable = TTestNode<kTableNode, CBranchNode>;
using TestCell = TTestNode<kTableCellNode, CBranchNode>;
using TestRow = TTestNode<kTableRowNode, CBranchNode>;
using TestStrand = TTestNode<kTextStrandNode, CLeafNode>;

// Records every event it receives as text, e.g. "strand:onDone".
class RecordingNotify : public INodeNotify {
public:
    RecordingNotify(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    void onPropertiesDone() override { add("onPropertiesDone"); }
    void onContentDone() override { add("onContentDone"); }
    void onDone() override { add("onDone"); }
    void onAttachToParent() override { add("onAttachToParent"); }
    void onDetachFromParent() override { add("onDetachFromParent"); }
    void onAttachChild(INode*) override { add("onAttachChild"); }
    void onDetachChild(INode*) override { add("onDetachChild"); }
    void onCreate() override { add("onCreate"); }
    void onDestroy() override { add("onDestroy"); }

private:
    void add(const char* event) { m_log.push_back(m_name + ":" + event); }
    std::vector<std::string>& m_log;
    std::string m_name;
};

// Watches nodes: records their events in `log`, each under the name it was
// given, instead of passing them on (to a writer, which might release the
// node at done).
class NodeWatcher {
public:
    void watch(INode* node, const std::string& name)
    {
        m_notifies.push_back(std::make_unique<RecordingNotify>(log, name));
        node->setNodeNotify(m_notifies.back().get());
    }

    std::vector<std::string> log;

private:
    std::vector<std::unique_ptr<RecordingNotify>> m_notifies;
};

// A factory that knows the test kinds.
inline void registerTestNodes(CNodeFactory& factory)
{
    INodeRegistrar* registrar = factory.getINodeRegistrar();
    registrar->registerContentNodeCreator(new TContentNodeCreator<TestTable>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<TestRow>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<TestCell>);
    registrar->registerContentNodeCreator(new TContentNodeCreator<TestStrand>);
}
