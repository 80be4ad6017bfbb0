// Column changes open and close column groups inside a section. A group is
// a column node between the section and the group's paragraphs, with the
// group's column layout; its translators write it as a section of its own.
#pragma once

#include "chunker/Change.h"

class CChunkerColumnNode;

class CChangeColumn : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    void openGroup(INode* cursor);
    void readColumnLayout(CChunkerColumnNode& group);
    void addColumn(INode* cursor);
    void completeColumns(INode* cursor);
    void closeGroup(INode*& cursor);
};
