// The writers of index bookmarks and their entries. An index bookmark is
// written as a strand whose content is "BMT" 0x20 ... "EMT" 0x20: a visible
// bookmark writes its entries' content in between as running output, a
// hidden one gives each entry's text as a parameter of "BMT". The entries
// are not the bookmark's children and are written only through it.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

class IIndexBookmarkCSContent;

class CICFIndexBookmarkCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexBookmarkCSNode;

    void writeContent() override;
    // Only while the entries are written.
    bool canChildWrite(INode*) override { return m_writingEntries; }

private:
    void writeEntries(const IIndexBookmarkCSContent& bookmark);
    // The text of each entry, one string parameter each, on `command`.
    static void writeEntryTexts(const IIndexBookmarkCSContent& bookmark, CICFCommandWriter& command);

    bool m_writingEntries = false;
};

// An entry writes nothing of its own: its content is written by its index
// bookmark, and may write while the bookmark lets the entry write.
class CICFIndexEntryNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexEntryNode;

    bool canChildWrite(INode*) override { return getNode()->isOkToWrite(); }
};
