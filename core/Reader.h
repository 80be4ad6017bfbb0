// The reader side of a conversion: builds the node tree from the source.
#pragma once

#include "core/ConversionInterfaces.h"

#include <cstdint>

class CUnhandledChanges;
class IbrStream;
class INodeRegistrar;
class INodeFactory;

class IbrReaderOptions {
public:
    virtual ~IbrReaderOptions() = default;
};

class IbrChunkerReaderOptions : public IbrReaderOptions {
public:
    // The host's handle of the export being read.
    virtual void setHExport(uintptr_t hExport) = 0;
    // Where to count the changes that reach no handler; null counts none.
    virtual void setUnhandledChanges(CUnhandledChanges* unhandled) = 0;
};

class CReader {
public:
    virtual ~CReader() = default;
    virtual unsigned initialize(IbrStream* stream, INodeRegistrar* registrar, INodeFactory* factory) = 0;
    virtual unsigned read(EbrToConvert toConvert) = 0;
    virtual IbrReaderOptions* getOptions() = 0;
    virtual bool isStreamRecognized(IbrStream* stream) = 0;
};
