// Finds, for any node, what the writers above it know about the page: the
// margins and container size a section or header/footer writer answers
// for, and the left indent of the paragraph the node is in. The node's own
// writer is asked first, then the writers of its ancestors in turn.
#pragma once

#include "icf/ICFNodeWriter.h"

#include <cstdint>

class CICFOffset;
class INode;

class CICFAttributeFinder {
public:
    // The first answer of queryInterface(id) from the writer of `node` or of
    // one of its ancestors; false when none answers.
    static bool findInterface(EICFInterfaceID id, INode* node, void** out);

    // Twips; 0 when no writer answers for the page.
    static uint32_t getLeftMargin(INode* node);
    static uint32_t getRightMargin(INode* node);
    static uint32_t getTopMargin(INode* node);
    static uint32_t getBottomMargin(INode* node);
    static uint32_t getContainerWidth(INode* node);
    static uint32_t getContainerHeight(INode* node);
    // The left indent of the paragraph `node` is in; a default offset
    // outside a paragraph.
    static void getLeftIndent(INode* node, CICFOffset& leftIndent);
};
