// A paragraph's indents as ICF writes them: "IPS" with the indents both in
// columns and in twips, "RMI" the right indent, "STM" the left margin of
// the text, and for a first line that differs from the others either
// "LMR" (a hanging first line) or "TAB" commands that move a first line
// starting further right to its tab stop.
//
// Left and first-line indents are written relative to the left margin and
// from the page edge; the right indent relative to the right margin and
// from the container's right edge.
#pragma once

#include "icf/ICFPropertiesState.h"
#include "model/ParagraphValues.h"

#include <cstdint>
#include <memory>

class CICFTabRuler;
class CICFWriter;
class CTabDefinitions;
class INode;

class CICFIndents : public CIndents {
public:
    CICFIndents();
    explicit CICFIndents(const CIndents& indents);
    CICFIndents(const CICFIndents&) = delete;
    CICFIndents& operator=(const CICFIndents&) = delete;
    ~CICFIndents() override;

    // Writes the indents of the paragraph `node` (or of the node a style is
    // written for); `tabs` are the paragraph's tab stops. The state does not
    // change what is written.
    void write(CICFWriter* writer, INode* node, CTabDefinitions* tabs, EPropertiesState state);
    // Whether the left, first-line and right indents all lie on the margins.
    bool allIndentsAreOff(INode* node);
    // Measures the indents relative to the margins and from the page edge.
    void calculateICFIndentValues(INode* node);
    // Puts every indent on its margin.
    void resetIndents();
    // Replaces the tab ruler by one on `tabs`; none for null.
    void setTabs(CTabDefinitions* tabs);

private:
    void writeIPS();
    void writeRMI();
    void writeSTM();
    void writeLMR();
    // The first line starts further right than the others: it is moved
    // there by the tab stops between the left indent and its start.
    void writeFirstLineTabs();

    CICFWriter* m_writer = nullptr; // not owned
    std::unique_ptr<CICFTabRuler> m_tabRuler;
    int32_t m_leftRelative = 0;
    int32_t m_firstRelative = 0;
    int32_t m_rightRelative = 0;
    int32_t m_leftAbsolute = 0;
    int32_t m_firstAbsolute = 0;
    int32_t m_rightAbsolute = 0;
};
