// The line or text that separates notes from the text above them, or that
// marks a note continued from or on another page. Its children are its
// paragraphs; the section's note area names it.
#pragma once

#include "model/ContentNode.h"
#include "model/NoteType.h"

#include <cstdint>

enum ENoteSeparatorType : uint32_t {
    kNoteSeparator = 0,
    kNoteContinuationSeparator = 1,
    kNoteContinuationNotice = 2,
};

class INoteSeparatorContent : public IContent {
public:
    virtual void setSeparatorType(ENoteSeparatorType type) = 0;
    virtual ENoteSeparatorType getSeparatorType() const = 0;
    virtual void setNoteType(ENoteType type) = 0;
    virtual ENoteType getNoteType() const = 0;
};

class CNoteSeparatorNode : public INoteSeparatorContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNoteSeparatorNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setSeparatorType(ENoteSeparatorType type) override { m_separatorType = type; }
    ENoteSeparatorType getSeparatorType() const override { return m_separatorType; }
    void setNoteType(ENoteType type) override { m_noteType = type; }
    ENoteType getNoteType() const override { return m_noteType; }

private:
    ENoteSeparatorType m_separatorType = kNoteSeparator;
    ENoteType m_noteType = kFootnote;
};
