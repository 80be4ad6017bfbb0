// A host file that records what reaches it, for tests of code that writes
// through host file routines. It can be told to take fewer bytes than asked
// and to refuse its close.
#pragma once

#include "trx/platform.h"

#include <cstdint>
#include <string>
#include <vector>

struct RecordingHostFile {
    IOFILE header; // must stay first: the handle points here
    std::string contents;
    std::vector<uint32_t> writeSizes;
    uint32_t position = 0;
    bool shortWrites = false;
    int closes = 0;
    TRXERR closeCode = TRXERR_OK;

    RecordingHostFile();
    HIOFILE handle() { return &header; }
};
