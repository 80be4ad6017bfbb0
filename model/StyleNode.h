// The common part of all styles: type, name and id.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/StyleContent.h"

class CStyleNode : public CBranchNode, public virtual IStyleContent {
public:
    INode* getINode() override { return this; }

    CCharacterString& getName(CCharacterString& out) const override { return out = m_name; }
    uint32_t getID() const override { return m_id; }
    void setName(const CCharacterString& name) override { m_name = name; }
    void setID(uint32_t id) override { m_id = id; }
    EStyleTypes getType() const override { return m_type; }

    // The copy has the same type, name and id.
    INode* clone(ECloneContent mode) override;

    // Styles are the same when ids and names agree; they sort by name.
    bool operator==(const CStyleNode& other) const { return m_id == other.m_id && m_name == other.m_name; }
    bool operator!=(const CStyleNode& other) const { return !(*this == other); }
    bool operator<(const CStyleNode& other) const { return m_name < other.m_name; }

protected:
    explicit CStyleNode(EStyleTypes type) : m_type(type) {}

private:
    EStyleTypes m_type{};
    CCharacterString m_name;
    uint32_t m_id = 0;
};
