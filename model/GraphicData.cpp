#include "model/GraphicData.h"

std::unique_ptr<CGraphicData> CGraphicData::clone() const
{
    return std::unique_ptr<CGraphicData>(new CGraphicData(*this));
}

void CGraphicData::setGraphicData(uint32_t, uint32_t, uintptr_t)
{
}

void CGraphicData::setGraphicData(uint32_t changePosition, uint32_t objectValue, uintptr_t exportRef, bool referenced,
                                  const CCharacterString& fileName)
{
    setGraphicData(changePosition, objectValue, exportRef);
    setType(referenced ? kGraphicDataReferencedFile : kGraphicDataEmbedded);
    setReferencedFileName(fileName);
}

bool CGraphicData::convertGraphicData(std::string&)
{
    return false;
}

uint32_t CGraphicData::getWFWConverterID()
{
    return 0;
}

bool CGraphicData::chunkerOpenGraphicData(void**)
{
    return false;
}

bool CGraphicData::writeGraphicDataToDisk(std::string&)
{
    return false;
}
