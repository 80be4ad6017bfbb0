// A small tree for the strand writers: strands, character styles and
// paragraphs made by a node factory that carries every writer of the ICF
// writer, and the output captured byte by byte.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/DocumentNode.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/FieldNodes.h"
#include "model/NoAttribCSNode.h"
#include "model/NoteNodes.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphStyleNode.h"
#include "model/StrandProperties.h"
#include "model/StrandStyleNode.h"
#include "model/StyleTableNode.h"
#include "model/TextStrandNode.h"

#include <memory>
#include <string>
#include <vector>

class StrandWriterFixture : public ICFOutputFixture {
protected:
    StrandWriterFixture()
    {
        makeNodes<CDocumentNode, CParagraphNode, CTextStrandNode, CStrandStyleNode, CParagraphStyleNode,
                  CStyleTableNode, CTabCSNode, CColumnBreakCSNode, CCurrentPageNumberCSNode, CEndOfParagraphCSNode,
                  CHardHyphenCSNode, CSoftHyphenCSNode, CNonbreakingSpaceCSNode, CPageBreakCSNode, CNewlineCSNode,
                  CDateTimeCSNode, CCommentCSNode>();
        writer.initialize(&stream, registrar());
    }

    ~StrandWriterFixture() override
    {
        for (INode* root : roots)
            root->release();
    }

    // A node that belongs to no parent: the fixture releases it.
    INode* root(EContentInterfaceID kind)
    {
        INode* node = factory.createNode(kind);
        roots.push_back(node);
        return node;
    }

    // New strand properties, set up by `set`, held by the fixture.
    template <class Set>
    IStrandProperties* properties(Set set)
    {
        auto* made = new CStrandProperties;
        set(*made);
        held.emplace_back(made);
        return made;
    }

    IStrandStyleContent* characterStyle(uint32_t id, const char* name, IStrandProperties* styleProperties)
    {
        auto& style = dynamic_cast<IStrandStyleContent&>(*root(kStrandStyleNode)->getIContent());
        style.setID(id);
        style.setName(CCharacterString(name, kCharSetCp1252));
        style.setProperties(styleProperties);
        return &style;
    }

    // A strand of `kind` with the given properties and style; a text
    // strand gets `text`.
    INode* strand(EContentInterfaceID kind, IStrandProperties* strandProperties = nullptr,
                  IStrandStyleContent* style = nullptr, const char* text = "")
    {
        INode* node = factory.createNode(kind);
        auto& content = dynamic_cast<IStrandContent&>(*node->getIContent());
        content.setProperties(strandProperties);
        content.setStyle(style);
        if (auto* textStrand = dynamic_cast<ITextStrandContent*>(&content))
            textStrand->setText(CCharacterString(text, kCharSetCp1252));
        return node;
    }

    // The output of a pull write of a strand without parent.
    std::string written(INode* node)
    {
        roots.push_back(node);
        dynamic_cast<CICFStrandNodeWriter&>(*node->getNodeWriter()).write();
        return output();
    }

    // The output so far, which is then forgotten.
    std::string output()
    {
        std::string bytes;
        bytes.swap(stream.bytes);
        return bytes;
    }

    std::vector<INode*> roots;

private:
    struct SRelease {
        void operator()(IStrandProperties* p) const { p->releaseRef(); }
    };
    std::vector<std::unique_ptr<IStrandProperties, SRelease>> held;
};
