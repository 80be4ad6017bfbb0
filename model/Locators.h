// Locators: where a reference points. A locator is shared by reference
// counting. The combined locators (a URL or file with a bookmark in it, an
// OLE range, an OLE range with compression) are made of the single ones,
// whose common base CLocator is virtual so that each has one count.
#pragma once

#include "model/CharacterString.h"
#include "model/ReferenceTracking.h"

#include <cstdint>

// The kind of a locator. A combined locator's kind is the union of the
// kinds it is made of.
enum ELocatorType : uint32_t {
    kURLLocator = 0x01,
    kFileLocator = 0x02,
    kOLEPathLocator = 0x04,
    kBookmarkLocator = 0x08,
    kRangeLocator = 0x10,
    kSectionLocator = 0x20,
    kCompressionLocator = 0x80,
    kURLBookmarkLocator = kURLLocator | kBookmarkLocator,
    kFileBookmarkLocator = kFileLocator | kBookmarkLocator,
    kOLERangeLocator = kOLEPathLocator | kRangeLocator,
    kOLERangeCompressionLocator = kOLEPathLocator | kRangeLocator | kCompressionLocator,
};

// How the located data is compressed, numbered as the source numbers it.
enum ECompressionType : uint32_t {};

class CLocator : public CReferenceTracking {
public:
    CLocator(const CLocator&) = delete;
    CLocator& operator=(const CLocator&) = delete;

    // Locators are ordered by their kind.
    bool operator<(const CLocator& other) const { return m_type < other.m_type; }
    bool operator>(const CLocator& other) const { return m_type > other.m_type; }
    bool operator<=(const CLocator& other) const { return m_type <= other.m_type; }
    bool operator>=(const CLocator& other) const { return m_type >= other.m_type; }

    ELocatorType getLocatorType() const { return m_type; }
    // The target as text, where the kind has one: the URL or the file name
    // (also of a combined locator), the bookmark name; empty otherwise.
    virtual CCharacterString& getAsString(CCharacterString& out) const;

protected:
    explicit CLocator(ELocatorType type) : m_type(type) {}
    ~CLocator() override = default;

private:
    ELocatorType m_type;
};

class CURLLocator : public virtual CLocator {
public:
    explicit CURLLocator(const CCharacterString& url = CCharacterString());
    void setURLString(const CCharacterString& url) { m_url = url; }
    CCharacterString& getURLString(CCharacterString& out) const { return out = m_url; }
    CCharacterString& getAsString(CCharacterString& out) const override { return out = m_url; }

private:
    CCharacterString m_url;
};

class CFileLocator : public virtual CLocator {
public:
    explicit CFileLocator(const CCharacterString& fileName = CCharacterString());
    void setFileName(const CCharacterString& fileName) { m_fileName = fileName; }
    CCharacterString& getFileName(CCharacterString& out) const { return out = m_fileName; }
    CCharacterString& getAsString(CCharacterString& out) const override { return out = m_fileName; }

private:
    CCharacterString m_fileName;
};

class CBookmarkLocator : public virtual CLocator {
public:
    explicit CBookmarkLocator(const CCharacterString& bookmarkName = CCharacterString());
    void setBookmarkName(const CCharacterString& bookmarkName) { m_bookmarkName = bookmarkName; }
    CCharacterString& getBookmarkName(CCharacterString& out) const { return out = m_bookmarkName; }
    CCharacterString& getAsString(CCharacterString& out) const override { return out = m_bookmarkName; }

private:
    CCharacterString m_bookmarkName;
};

class CRangeLocator : public virtual CLocator {
public:
    CRangeLocator(uint32_t offset = 0, uint32_t length = 0);
    void setOffset(uint32_t offset) { m_offset = offset; }
    uint32_t getOffset() const { return m_offset; }
    void setLength(uint32_t length) { m_length = length; }
    uint32_t getLength() const { return m_length; }

private:
    uint32_t m_offset;
    uint32_t m_length;
};

class COLEPathLocator : public virtual CLocator {
public:
    explicit COLEPathLocator(const CCharacterString& path = CCharacterString());
    void setOLEPath(const CCharacterString& path) { m_path = path; }
    CCharacterString& getOLEPath(CCharacterString& out) const { return out = m_path; }

private:
    CCharacterString m_path;
};

class CSectionLocator : public virtual CLocator {
public:
    explicit CSectionLocator(uint32_t sectionNumber = 0);
    void setSectionNumber(uint32_t sectionNumber) { m_sectionNumber = sectionNumber; }
    uint32_t getSectionNumber() const { return m_sectionNumber; }

private:
    uint32_t m_sectionNumber;
};

class CCompressionLocator : public virtual CLocator {
public:
    explicit CCompressionLocator(ECompressionType type = ECompressionType{});
    void setCompressionType(ECompressionType type) { m_compressionType = type; }
    ECompressionType getCompressionType() const { return m_compressionType; }

private:
    ECompressionType m_compressionType;
};

// A bookmark in the document a URL names; its text is the URL.
class CURL_BookmarkLocator : public CURLLocator, public CBookmarkLocator {
public:
    CURL_BookmarkLocator(const CCharacterString& url, const CCharacterString& bookmarkName);
    CCharacterString& getAsString(CCharacterString& out) const override { return CURLLocator::getAsString(out); }
};

// A bookmark in a file; its text is the file name.
class CFile_BookmarkLocator : public CFileLocator, public CBookmarkLocator {
public:
    CFile_BookmarkLocator(const CCharacterString& fileName, const CCharacterString& bookmarkName);
    CCharacterString& getAsString(CCharacterString& out) const override { return CFileLocator::getAsString(out); }
};

// A range of the data an OLE path names.
class COLE_RangeLocator : public COLEPathLocator, public CRangeLocator {
public:
    COLE_RangeLocator(const CCharacterString& path, uint32_t offset, uint32_t length);
};

class COLE_Range_CompressionLocator : public COLE_RangeLocator, public CCompressionLocator {
public:
    COLE_Range_CompressionLocator(const CCharacterString& path, uint32_t offset, uint32_t length,
                                  ECompressionType compression);
};
