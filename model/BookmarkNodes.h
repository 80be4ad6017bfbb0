// Bookmark marks: the begin and end of a bookmark, of a table-of-contents
// entry (a TOC bookmark) and the end of a reference. They stand between the
// strands of a paragraph and carry the strand state like any strand.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/StrandBase.h"

#include <cstdint>

class IBookmarkBeginCSContent : public virtual IStrandContent {
public:
    // Whether the bookmark was made by the source application rather than
    // by the author.
    virtual bool isApplicationGenerated() const = 0;
    virtual void setApplicationGenerated(bool generated) = 0;
    virtual CCharacterString& getName(CCharacterString& out) const = 0;
    virtual void setName(const CCharacterString& name) = 0;
    // Whether the text the bookmark spans is shown.
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

// The begin of an entry of a table of contents, at its outline level.
class ITOCBookmarkBeginCSContent : public IBookmarkBeginCSContent {
public:
    virtual void setLevel(uint32_t level) = 0;
    virtual uint32_t getLevel() const = 0;
};

class IBookmarkEndCSContent : public virtual IStrandContent {
public:
    virtual void setName(const CCharacterString& name) = 0;
    virtual CCharacterString& getName(CCharacterString& out) const = 0;
};

// The data of a bookmark begin, shared by the plain and the TOC bookmark.
template <class Content>
class TBookmarkBeginContent : public Content {
public:
    bool isApplicationGenerated() const override { return m_applicationGenerated; }
    void setApplicationGenerated(bool generated) override { m_applicationGenerated = generated; }
    CCharacterString& getName(CCharacterString& out) const override { return out = m_name; }
    void setName(const CCharacterString& name) override { m_name = name; }
    void setVisible(bool visible) override { m_visible = visible; }
    bool isVisible() const override { return m_visible; }

protected:
    void copyBookmarkTo(TBookmarkBeginContent& copy) const
    {
        copy.m_applicationGenerated = m_applicationGenerated;
        copy.m_name = m_name;
        copy.m_visible = m_visible;
    }

private:
    bool m_applicationGenerated = false;
    CCharacterString m_name;
    bool m_visible = true;
};

class CBookmarkBeginCSNode : public CStrandBase,
                             public TBookmarkBeginContent<IBookmarkBeginCSContent>,
                             public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kBookmarkBeginCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IBookmarkBeginCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;
};

class CTOCBookmarkBeginCSNode : public TBookmarkBeginContent<ITOCBookmarkBeginCSContent>,
                                public CStrandBase,
                                public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCBookmarkBeginCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<ITOCBookmarkBeginCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setLevel(uint32_t level) override { m_level = level; }
    uint32_t getLevel() const override { return m_level; }

private:
    uint32_t m_level = 0;
};

// The end of a bookmark; also the base of the other end marks, which differ
// only in their kind.
class CBookmarkEndCSNode : public CStrandBase, public IBookmarkEndCSContent, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kBookmarkEndCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IBookmarkEndCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setName(const CCharacterString& name) override { m_name = name; }
    CCharacterString& getName(CCharacterString& out) const override { return out = m_name; }

private:
    CCharacterString m_name;
};

class CReferenceEndCSNode : public CBookmarkEndCSNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kReferenceEndCSNode;
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
};

class CTOCBookmarkEndCSNode : public CBookmarkEndCSNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCBookmarkEndCSNode;
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
};
