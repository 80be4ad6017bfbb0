// The footnote or endnote area of a section: numbering, size and placement
// of the notes and the separators drawn above them.
#pragma once

#include "model/CountedReference.h"
#include "model/Dimension.h"
#include "model/ReferenceTracking.h"

#include <cstdint>

class CNumberingStyle;
class INoteSeparatorContent;

enum ENoteNumberingRestart : uint32_t {
    kNoteNumberingContinuous = 0,
    kNoteNumberingRestartEachPage = 1,
    kNoteNumberingRestartEachSection = 2,
};

enum ENotePageLocation : uint32_t {
    kNotesBelowText = 0,
    kNotesAtPageBottom = 1,
    kNotesAtDocumentEnd = 2,
    kNotesAtSectionEnd = 3,
};

class CNoteAreaProperties : public CReferenceTracking {
public:
    // The number start of an area that continues the numbering.
    static constexpr uint32_t kContinueNoteNumbers = 0xFFFFFFFF;

    CNoteAreaProperties() = default;
    // A copy shares the number style. It does not take over the separators:
    // they are nodes of the section the original belongs to and go with it.
    CNoteAreaProperties(const CNoteAreaProperties& other);
    CNoteAreaProperties& operator=(const CNoteAreaProperties&) = delete;

    void setAutoNumberRestart(ENoteNumberingRestart restart) { m_autoNumberRestart = restart; }
    ENoteNumberingRestart getAutoNumberRestart() const { return m_autoNumberRestart; }
    // The style is shared: the area holds a reference to it.
    void setNumberStyle(CNumberingStyle* style);
    CNumberingStyle* getNumberStyle() const { return m_numberStyle.get(); }
    void setHeight(const CDimension& height) { m_height = height; }
    CDimension& getHeight(CDimension& out) const { return out = m_height; }
    void setVerticalHotZone(const CDimension& hotZone) { m_verticalHotZone = hotZone; }
    CDimension& getVerticalHotZone(CDimension& out) const { return out = m_verticalHotZone; }
    void setPageLocation(ENotePageLocation location) { m_pageLocation = location; }
    ENotePageLocation getPageLocation() const { return m_pageLocation; }
    void setNumberStart(uint32_t start) { m_numberStart = start; }
    uint32_t getNumberStart() const { return m_numberStart; }

    // The separators are nodes of the section's tree; the area only names them.
    void setNoteSeparator(INoteSeparatorContent* separator) { m_separator = separator; }
    INoteSeparatorContent* getNoteSeparator() const { return m_separator; }
    void setNoteContinuationSeparator(INoteSeparatorContent* separator) { m_continuationSeparator = separator; }
    INoteSeparatorContent* getNoteContinuationSeparator() const { return m_continuationSeparator; }
    void setNoteContinuationNotice(INoteSeparatorContent* notice) { m_continuationNotice = notice; }
    INoteSeparatorContent* getNoteContinuationNotice() const { return m_continuationNotice; }

protected:
    ~CNoteAreaProperties() override;

private:
    ENoteNumberingRestart m_autoNumberRestart = kNoteNumberingContinuous;
    TCountedReference<CNumberingStyle> m_numberStyle;
    CDimension m_height;
    CDimension m_verticalHotZone;
    ENotePageLocation m_pageLocation = kNotesAtPageBottom;
    uint32_t m_numberStart = kContinueNoteNumbers;
    INoteSeparatorContent* m_separator = nullptr;
    INoteSeparatorContent* m_continuationSeparator = nullptr;
    INoteSeparatorContent* m_continuationNotice = nullptr;
};
