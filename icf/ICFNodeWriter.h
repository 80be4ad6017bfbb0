// The base of every ICF node writer. Besides writing, an ICF node writer
// can give the plain text of its node's content.
#pragma once

#include "model/CharacterString.h"
#include "model/NodeWriter.h"

#include <cstdint>
#include <list>

class CICFWriter;

// The interfaces an ICF node writer answers to in queryInterface.
enum EICFInterfaceID : int32_t {
    kICFNodeWriterInterface = 0,          // the writer itself
    kICFPageAttributesInterface = 1,      // the page margins and container size (IICFPageAttributes)
    kICFParagraphContentInterface = 2,    // the paragraph content
    kICFParagraphPropertiesInterface = 3, // the paragraph properties
};

class CICFNodeWriter : public CNodeWriter {
public:
    void setWriter(CWriter* writer) override { CNodeWriter::setWriter(writer); }

    // Appends the text of the node's content in document order: the text
    // each child's ICF node writer gives. Text strand writers give their
    // own text instead.
    virtual void getText(std::list<CCharacterString>& texts);
    // Stores this writer in *out for kICFNodeWriterInterface; false (and
    // *out untouched) for any other id or a null out. The ids are those of
    // EICFInterfaceID.
    bool queryInterface(int32_t id, void** out) override;

protected:
    // The output as a CICFWriter; null without one.
    CICFWriter* getICFWriter();
    // Gives every child already complete its properties-done and done events
    // again, so that children finished before this node could write are
    // written now, in order.
    void renotifyCompletedChildren();
};
