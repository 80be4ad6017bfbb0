// The picture data of a graphic: whether the picture is embedded in the
// source document or a file it refers to, and that file's name.
//
// The picture itself stays in the host's item stream. Reaching it (telling
// the host which embedded object it is, recognising its format, converting
// it, copying it out to a file) is the work of a subclass bound to the
// host's services; this class declares those operations. Data that is not
// bound to the host has no picture to reach: it has no converter, and
// opening, converting and copying it out fail.
#pragma once

#include "model/CharacterString.h"

#include <cstdint>
#include <memory>
#include <string>

enum EGraphicDataType : uint32_t {
    kGraphicDataUnset = 0,
    kGraphicDataEmbedded = 1,
    kGraphicDataReferencedFile = 2,
};

class CGraphicData {
public:
    CGraphicData() = default;
    virtual ~CGraphicData() = default;
    CGraphicData& operator=(const CGraphicData&) = delete;

    // A copy of the same class.
    virtual std::unique_ptr<CGraphicData> clone() const;

    void setType(EGraphicDataType type) { m_type = type; }
    EGraphicDataType getType() const { return m_type; }
    void setReferencedFileName(const CCharacterString& fileName) { m_referencedFileName = fileName; }
    CCharacterString& getReferencedFileName(CCharacterString& out) const { return out = m_referencedFileName; }

    // Which embedded object of the export the picture is: the position of
    // its change in the change list minus 1, the value the source's object
    // record gives it, and the export, as a number only the reader side
    // reads.
    virtual void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef);
    // The same, and the picture is a referenced file of that name when
    // `referenced` is set, else embedded data.
    void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef, bool referenced,
                        const CCharacterString& fileName);
    // Converts the picture into a temporary file whose name goes to `fileName`.
    virtual bool convertGraphicData(std::string& fileName);
    // The id of the converter that recognises the picture's format; 0 for none.
    virtual uint32_t getWFWConverterID();
    // Opens the embedded picture as a host file.
    virtual bool chunkerOpenGraphicData(void** file);
    // Copies the embedded picture into a temporary file whose name goes to `fileName`.
    virtual bool writeGraphicDataToDisk(std::string& fileName);

protected:
    CGraphicData(const CGraphicData&) = default;

private:
    EGraphicDataType m_type = kGraphicDataUnset;
    CCharacterString m_referencedFileName;
};

// Makes the data objects of new graphic nodes. The writer registers one with
// the node factory (INodeRegistrar::registerGraphicDataCreator), so that
// graphics reach their pictures through the services the writer side binds
// to; the model itself never names that subclass.
class IGraphicDataCreator {
public:
    virtual ~IGraphicDataCreator() = default;
    virtual std::unique_ptr<CGraphicData> create() = 0;
};

// Creates default-constructed data objects of class T.
template <class T>
class TGraphicDataCreator : public IGraphicDataCreator {
public:
    std::unique_ptr<CGraphicData> create() override { return std::make_unique<T>(); }
};
