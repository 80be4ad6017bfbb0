// The writer of a paragraph. A paragraph is written as: its style switched
// on, its properties switched on against the style's, its strands, its
// end-of-paragraph mark, its properties switched back, its style switched
// off. For the nodes inside it, it answers the paragraph content and the
// paragraph properties.
#pragma once

#include "icf/ICFContainerNodeWriter.h"
#include "icf/ICFPropertiesState.h"

class CICFStyleNodeWriter;
class IParagraphContent;

class CICFParagraphNodeWriter : public CICFContainerNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kParagraphNode;

    // kICFParagraphContentInterface gives the IParagraphContent,
    // kICFParagraphPropertiesInterface its IParagraphProperties; true when
    // there is one.
    bool queryInterface(int32_t id, void** out) override;

    // Starts the paragraph: no character toggle of an earlier paragraph
    // stays recorded, then the style and the properties are switched on.
    void writeParagraphPropsStart();
    // Switches the properties back, then the style off.
    void writeParagraphPropsEnd();
    // The end-of-paragraph mark; nothing for a paragraph without one.
    void writeHNL();

protected:
    void writeStartCommands() override { writeParagraphPropsStart(); }
    void writeEndCommands() override;

private:
    IParagraphContent& getParagraph();
    // The writer of the paragraph's style; null without a style.
    CICFStyleNodeWriter* getStyleWriter();
    void writeProperties(EPropertiesState state);
};
