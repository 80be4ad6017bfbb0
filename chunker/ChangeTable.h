// Table changes open and close tables and give rows their row and cell
// formats. The tree holds a table as table, rows, cells and the cells'
// paragraphs; the cursor paragraph's parent is the current cell, its
// grandparent the current row.
#pragma once

#include "chunker/Change.h"

class CChangeBeginTable : public CChange {
public:
    uint32_t process(INode*& current) override;
};

class CChangeEndTable : public CChange {
public:
    uint32_t process(INode*& current) override;
};

class CChangeRowFormat : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    CRowFormatList m_rowFormats;
};

class CChangeCellFormat : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    CCellFormatList m_cellFormats;
};
