#include "model/Locators.h"

CCharacterString& CLocator::getAsString(CCharacterString& out) const
{
    return out = CCharacterString();
}

CURLLocator::CURLLocator(const CCharacterString& url) : CLocator(kURLLocator), m_url(url)
{
}

CFileLocator::CFileLocator(const CCharacterString& fileName) : CLocator(kFileLocator), m_fileName(fileName)
{
}

CBookmarkLocator::CBookmarkLocator(const CCharacterString& bookmarkName)
    : CLocator(kBookmarkLocator), m_bookmarkName(bookmarkName)
{
}

CRangeLocator::CRangeLocator(uint32_t offset, uint32_t length)
    : CLocator(kRangeLocator), m_offset(offset), m_length(length)
{
}

COLEPathLocator::COLEPathLocator(const CCharacterString& path) : CLocator(kOLEPathLocator), m_path(path)
{
}

CSectionLocator::CSectionLocator(uint32_t sectionNumber) : CLocator(kSectionLocator), m_sectionNumber(sectionNumber)
{
}

CCompressionLocator::CCompressionLocator(ECompressionType type) : CLocator(kCompressionLocator), m_compressionType(type)
{
}

// The virtual base is built by the most derived class, which names the
// combined kind; the kinds the parts would give it are not used.
CURL_BookmarkLocator::CURL_BookmarkLocator(const CCharacterString& url, const CCharacterString& bookmarkName)
    : CLocator(kURLBookmarkLocator), CURLLocator(url), CBookmarkLocator(bookmarkName)
{
}

CFile_BookmarkLocator::CFile_BookmarkLocator(const CCharacterString& fileName, const CCharacterString& bookmarkName)
    : CLocator(kFileBookmarkLocator), CFileLocator(fileName), CBookmarkLocator(bookmarkName)
{
}

COLE_RangeLocator::COLE_RangeLocator(const CCharacterString& path, uint32_t offset, uint32_t length)
    : CLocator(kOLERangeLocator), COLEPathLocator(path), CRangeLocator(offset, length)
{
}

COLE_Range_CompressionLocator::COLE_Range_CompressionLocator(const CCharacterString& path, uint32_t offset,
                                                             uint32_t length, ECompressionType compression)
    : CLocator(kOLERangeCompressionLocator), COLE_RangeLocator(path, offset, length), CCompressionLocator(compression)
{
}
