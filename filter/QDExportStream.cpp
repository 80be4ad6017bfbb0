#include "filter/QDExportStream.h"

#include <cstring>

CQDExportStream::~CQDExportStream()
{
    flush();
}

unsigned CQDExportStream::read(unsigned size, void* buffer, unsigned* count)
{
    uint32_t bytesRead = 0;
    if (m_file)
        m_file->rtns.read(m_file, buffer, size, &bytesRead);
    if (count)
        *count = bytesRead;
    return 0;
}

unsigned CQDExportStream::write(unsigned size, const void* buffer, unsigned* count)
{
    if (count)
        *count = size;
    if (m_held + size <= kBufferSize) {
        append(buffer, size);
        return 0;
    }
    bool complete = flush();
    if (size <= kBufferSize)
        append(buffer, size);
    else
        complete = writeToFile(buffer, size) && complete;
    if (!complete && count)
        *count = 0;
    return 0;
}

unsigned CQDExportStream::setCurrentPosition(unsigned long offset, EbrStreamOffset origin)
{
    flush();
    uint16_t hostOrigin = IOSEEK_CURRENT;
    if (origin == kStreamFromStart)
        hostOrigin = IOSEEK_START;
    else if (origin == kStreamFromEnd)
        hostOrigin = IOSEEK_END;
    if (m_file)
        m_file->rtns.seek(m_file, hostOrigin, static_cast<int32_t>(offset));
    return 0;
}

unsigned long CQDExportStream::getCurrentPosition()
{
    flush();
    uint32_t position = 0;
    if (m_file)
        m_file->rtns.tell(m_file, &position);
    return position;
}

bool CQDExportStream::flush()
{
    if (m_held == 0)
        return true;
    const bool complete = writeToFile(m_buffer, m_held);
    m_held = 0;
    return complete;
}

bool CQDExportStream::writeToFile(const void* data, uint32_t size)
{
    if (!m_file)
        return false;
    uint32_t written = 0;
    const TRXERR code = m_file->rtns.write(m_file, data, size, &written);
    return code == TRXERR_OK && written == size;
}

void CQDExportStream::append(const void* data, unsigned size)
{
    if (size > 0)
        std::memcpy(m_buffer + m_held, data, size);
    m_held += size;
}
