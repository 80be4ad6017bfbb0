// The picture data of a graphic as the ICF writer reaches it: the embedded
// object of the export that holds the picture, opened through the file
// services by the name "c2i_546_SRC_" and its two numbers, its format as the
// recognition library tells it, its conversion by a graphic converter into a
// temporary file, and its copy into a temporary file of its own. The writer
// registers a creator of this class with the node factory, so that every
// graphic the reader makes holds one.
#pragma once

#include "model/GraphicData.h"
#include "trx/fileservices.h"

#include <cstdint>
#include <memory>
#include <string>

class CChunkerToICFGraphicData : public CGraphicData {
public:
    CChunkerToICFGraphicData();

    std::unique_ptr<CGraphicData> clone() const override;

    // Keeps the object's numbers and the export, makes the export the file
    // services' current one and names the embedded object.
    void setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef) override;
    // The converter that recognition answers for the picture, asked once; 0
    // when recognition fails.
    uint32_t getWFWConverterID() override;
    // Has the recognised converter write the picture into a new temporary
    // file, whose name goes to `fileName`. A failed conversion leaves no
    // temporary file.
    bool convertGraphicData(std::string& fileName) override;
    // Opens the embedded picture; *file receives the host file handle.
    bool chunkerOpenGraphicData(void** file) override;
    // Copies the embedded picture into a new temporary file, whose name goes
    // to `fileName`. A failed copy leaves no temporary file.
    bool writeGraphicDataToDisk(std::string& fileName) override;

    // The embedded object's name; empty before setGraphicData.
    const std::string& getSourceFileName() const { return m_sourceFileName; }

private:
    CChunkerToICFGraphicData(const CChunkerToICFGraphicData&) = default;
    // Hands the converter options of the export to the file services.
    void applyConverterOptions() const;

    // The host-file routines the converters call back.
    C2IGRAFXRTNS m_routines;
    uint32_t m_changePosition = 0;
    uint32_t m_objectValue = 0;
    uintptr_t m_export = 0;
    uint32_t m_converterId = 0;
    std::string m_sourceFileName;
    bool m_recognitionFailed = false;
};
