#include "icf/ICFGraphicCSNodeWriter.h"

#include "core/Stream.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFHostFile.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/CharacterSets.h"
#include "model/GraphicCSNode.h"

#include <algorithm>
#include <string>

namespace {

// Pictures of the format that converter 610 reads, embedded as they are,
// carry a parameter 0 before their bytes.
constexpr uint32_t kConverterMarkedUnconverted = 610;

// Each referenced file's name, as its 8-bit text, ends a line of the list.
void listReferencedFile(IbrICFWriterOptions& options, const CCharacterString& fileName)
{
    IbrStream* list = nullptr;
    if (!options.isReferencedFileListToBeGenerated(&list) || !list)
        return;
    const std::string line = fileName.getString() + "\r\n";
    unsigned written = 0;
    list->write(static_cast<unsigned>(line.size()), line.data(), &written);
}

} // namespace

void CICFGraphicCSNodeWriter::checkConversionOptions(EbrGfxAction action, EbrGfxConversion conversion,
                                                     const std::list<long>& neverConvert, IGraphicCSContent& graphic,
                                                     bool& embed, bool& convert)
{
    embed = action == kGfxActionConvert;
    convert = false;
    if (!embed || conversion != kGfxConversionAll)
        return;
    const long converter = graphic.getWFWConverterID();
    convert = std::find(neverConvert.begin(), neverConvert.end(), converter) == neverConvert.end();
}

// With graphics off nothing is cut out or converted; a referenced file
// still joins the referenced-file list. Embedded data that is not to be
// embedded is cut out to a temporary file that "IGR" refers to. A graphic
// that is off or cannot be written leaves an empty frame where rectangles
// are to be seen.
void CICFGraphicCSNodeWriter::writeContent()
{
    auto* graphic = dynamic_cast<IGraphicCSContent*>(getNode()->getIContent());
    CICFWriter* writer = getICFWriter();
    if (!graphic || !writer)
        return;
    IbrICFWriterOptions* options = writer->getOptions();
    bool writable = true;
    bool rectsVisible = false;
    bool deleteTemporaryFiles = true;
    if (options) {
        writable = options->areGraphicsEnabled();
        rectsVisible = options->areGraphicRectsVisible();
        deleteTemporaryFiles = options->areGraphicTempFilesToBeDeleted();
    }

    const bool referenced = graphic->getType() == kGraphicDataReferencedFile;
    EbrGfxAction action = kGfxActionKeep;
    EbrGfxConversion conversion = kGfxConversionSelected;
    CCharacterString fileName;
    if (referenced) {
        graphic->getReferencedFileName(fileName);
        if (options) {
            options->getReferencedGraphicsAction(&action, &conversion, nullptr);
            listReferencedFile(*options, fileName);
        }
    } else if (options) {
        options->getEmbeddedGraphicsAction(&action, &conversion, nullptr);
    }

    bool embed = false;
    bool convert = false;
    if (writable) {
        const std::list<long> none;
        checkConversionOptions(action, conversion, options ? options->getGraphicsToNeverConvertToMSGList() : none,
                               *graphic, embed, convert);
        if (!referenced && !embed) {
            std::string copy;
            writable = graphic->writeGraphicDataToDisk(copy);
            fileName = CCharacterString(copy, kCharSetCp1252);
        }
    }

    if (writable && embed)
        writeEmbedded(*graphic, convert, deleteTemporaryFiles);
    else if (writable)
        writeReferenced(*graphic, fileName);
    else if (rectsVisible)
        writeEmptyFrame(*graphic);
}

void CICFGraphicCSNodeWriter::writePDS(IGraphicCSContent& graphic, bool converted)
{
    CDimension width;
    CDimension height;
    CRectangle crop;
    graphic.getDestinationWidth(width);
    graphic.getDestinationHeight(height);
    graphic.getCropRegion(crop);
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdPictureDescription);
    for (int32_t value :
         {converted ? 1 : 0, width.getValue(), height.getValue(), static_cast<int32_t>(graphic.getOriginalWidth()),
          static_cast<int32_t>(graphic.getOriginalHeight()), crop.getTop(), crop.getLeft(), crop.getBottom(),
          crop.getRight()})
        command.writeParameter(CICFDecimalParameter(static_cast<uint32_t>(value)));
    command.done();
}

// The converted file is removed when it is closed if temporary files are to
// be deleted. The picture's digits follow the command name (or the marking
// parameter) directly; the closing null parameter ends them.
void CICFGraphicCSNodeWriter::writeEmbedded(IGraphicCSContent& graphic, bool convert, bool deleteTemporaryFiles)
{
    HIOFILE file = nullptr;
    if (convert) {
        std::string converted;
        convert = graphic.convertGraphicData(converted) &&
                  IOOpen(&file, IOTYPE_PATH, converted.c_str(),
                         deleteTemporaryFiles ? IOACCESS_DELETE : IOACCESS_READ) == TRXERR_OK &&
                  file;
    }
    if (!convert) {
        file = nullptr;
        graphic.chunkerOpenGraphicData(reinterpret_cast<void**>(&file));
    }
    if (!file)
        return;
    CHostFile picture(file);
    writePDS(graphic, convert);
    CICFWriter* writer = getICFWriter();
    CICFCommandWriter command;
    command.initialize(writer, kCmdPicture);
    if (!convert && graphic.getWFWConverterID() == kConverterMarkedUnconverted)
        command.writeParameter(CICFDecimalParameter(0));
    picture.readBlocks([writer](const unsigned char* bytes, uint32_t count) {
        writer->writeAsciiHexByteArray(count, bytes);
        return true;
    });
    command.writeParameter(CICFNullParameter());
    command.done();
}

void CICFGraphicCSNodeWriter::writeReferenced(IGraphicCSContent& graphic, const CCharacterString& fileName)
{
    writePDS(graphic, false);
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdGraphicFile);
    command.writeParameter(CICFStringParameter(fileName));
    command.done();
}

void CICFGraphicCSNodeWriter::writeEmptyFrame(IGraphicCSContent& graphic)
{
    writePDS(graphic, false);
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdPicture);
    command.writeParameter(CICFNullParameter());
    command.done();
}
