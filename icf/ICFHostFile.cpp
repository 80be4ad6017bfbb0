#include "icf/ICFHostFile.h"

CHostFile::~CHostFile()
{
    if (m_file)
        m_file->rtns.close(m_file);
}

void CHostFile::copyFrom(CHostFile& source)
{
    source.readBlocks([this](const unsigned char* bytes, uint32_t count) {
        uint32_t written = 0;
        return m_file->rtns.write(m_file, bytes, count, &written) == TRXERR_OK && written == count;
    });
}

bool removeHostFile(const std::string& name)
{
    HIOFILE file = nullptr;
    if (IOOpen(&file, IOTYPE_PATH, name.c_str(), IOACCESS_DELETE) != TRXERR_OK || !file)
        return false;
    file->rtns.close(file);
    return true;
}
