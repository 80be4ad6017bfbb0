// A picture standing in the text flow: its size, cropping and alternative
// text, and the data object through which the picture itself is reached.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/Dimension.h"
#include "model/GraphicData.h"
#include "model/Rectangle.h"
#include "model/StrandBase.h"

#include <cstdint>
#include <memory>
#include <string>

class IGraphicCSContent : public virtual IStrandContent {
public:
    virtual void setMaintainAspectRatio(bool maintain) = 0;
    virtual bool isAspectRatioMaintained() const = 0;
    virtual void setAltString(const CCharacterString& text) = 0;
    virtual CCharacterString& getAltString(CCharacterString& out) const = 0;
    // The part of the source picture that is shown.
    virtual void setCropRegion(const CRectangle& region) = 0;
    virtual CRectangle& getCropRegion(CRectangle& out) const = 0;
    // The size the picture is shown at.
    virtual void setDestinationHeight(const CDimension& height) = 0;
    virtual CDimension& getDestinationHeight(CDimension& out) const = 0;
    virtual void setDestinationWidth(const CDimension& width) = 0;
    virtual CDimension& getDestinationWidth(CDimension& out) const = 0;
    // The size of the source picture.
    virtual void setOriginalHeight(uint32_t height) = 0;
    virtual uint32_t getOriginalHeight() const = 0;
    virtual void setOriginalWidth(uint32_t width) = 0;
    virtual uint32_t getOriginalWidth() const = 0;

    // These go to the graphic's data object (see CGraphicData).
    virtual EGraphicDataType getType() const = 0;
    virtual void setType(EGraphicDataType type) = 0;
    virtual CCharacterString& getReferencedFileName(CCharacterString& out) const = 0;
    virtual void setReferencedFileName(const CCharacterString& fileName) = 0;
    virtual void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef) = 0;
    virtual void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef, bool referenced,
                                const CCharacterString& fileName) = 0;
    virtual bool convertGraphicData(std::string& fileName) = 0;
    virtual uint32_t getWFWConverterID() = 0;
    virtual bool chunkerOpenGraphicData(void** file) = 0;
    virtual bool writeGraphicDataToDisk(std::string& fileName) = 0;
};

class CGraphicCSNode : public IGraphicCSContent, public CStrandBase, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kGraphicCSNode;

    CGraphicCSNode();

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IGraphicCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy has a copy of the data object.
    INode* clone(ECloneContent mode) override;
    // Replaces the data object (a new node holds a plain CGraphicData); a
    // null object is ignored.
    void setGraphicDataObject(std::unique_ptr<CGraphicData> data);

    void setMaintainAspectRatio(bool maintain) override { m_maintainAspectRatio = maintain; }
    bool isAspectRatioMaintained() const override { return m_maintainAspectRatio; }
    void setAltString(const CCharacterString& text) override { m_altString = text; }
    CCharacterString& getAltString(CCharacterString& out) const override { return out = m_altString; }
    void setCropRegion(const CRectangle& region) override { m_cropRegion = region; }
    CRectangle& getCropRegion(CRectangle& out) const override { return out = m_cropRegion; }
    void setDestinationHeight(const CDimension& height) override { m_destinationHeight = height; }
    CDimension& getDestinationHeight(CDimension& out) const override { return out = m_destinationHeight; }
    void setDestinationWidth(const CDimension& width) override { m_destinationWidth = width; }
    CDimension& getDestinationWidth(CDimension& out) const override { return out = m_destinationWidth; }
    void setOriginalHeight(uint32_t height) override { m_originalHeight = height; }
    uint32_t getOriginalHeight() const override { return m_originalHeight; }
    void setOriginalWidth(uint32_t width) override { m_originalWidth = width; }
    uint32_t getOriginalWidth() const override { return m_originalWidth; }

    EGraphicDataType getType() const override { return m_data->getType(); }
    void setType(EGraphicDataType type) override { m_data->setType(type); }
    CCharacterString& getReferencedFileName(CCharacterString& out) const override
    {
        return m_data->getReferencedFileName(out);
    }
    void setReferencedFileName(const CCharacterString& fileName) override { m_data->setReferencedFileName(fileName); }
    void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef) override
    {
        m_data->setGraphicData(changePosition, objectValue, exportRef);
    }
    void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef, bool referenced,
                        const CCharacterString& fileName) override
    {
        m_data->setGraphicData(changePosition, objectValue, exportRef, referenced, fileName);
    }
    bool convertGraphicData(std::string& fileName) override { return m_data->convertGraphicData(fileName); }
    uint32_t getWFWConverterID() override { return m_data->getWFWConverterID(); }
    bool chunkerOpenGraphicData(void** file) override { return m_data->chunkerOpenGraphicData(file); }
    bool writeGraphicDataToDisk(std::string& fileName) override { return m_data->writeGraphicDataToDisk(fileName); }

private:
    bool m_maintainAspectRatio = true;
    CCharacterString m_altString;
    CRectangle m_cropRegion;
    CDimension m_destinationHeight;
    CDimension m_destinationWidth;
    uint32_t m_originalHeight = 0;
    uint32_t m_originalWidth = 0;
    // Never null.
    std::unique_ptr<CGraphicData> m_data;
};
