#include "frontends/Importer.h"

#include "frontends/DocumentBuilder.h"
#include "trxhost/Document.h"

#include <libabw/libabw.h>
#include <libmwaw/libmwaw.hxx>
#include <librevenge-stream/librevenge-stream.h>
#include <libwpd/libwpd.h>
#include <libwps/libwps.h>

namespace frontends {

namespace {

using librevenge::RVNGInputStream;
using librevenge::RVNGTextInterface;

// Why an importer failed, in the words its several libraries share.
constexpr char kCannotParse[] = "the document cannot be parsed";
constexpr char kPasswordProtected[] = "the document is password-protected";
constexpr char kCutShort[] = "the file is cut short or cannot be read";

// One importer library: whether it takes the stream, and its parse, which
// returns why it failed or an empty string.
struct Importer {
    const char* format;
    bool (*recognises)(RVNGInputStream& input);
    std::string (*parse)(RVNGInputStream& input, RVNGTextInterface& builder);
};

bool abiWordRecognises(RVNGInputStream& input)
{
    return libabw::AbiDocument::isFileFormatSupported(&input);
}

std::string abiWordParse(RVNGInputStream& input, RVNGTextInterface& builder)
{
    return libabw::AbiDocument::parse(&input, &builder) ? "" : kCannotParse;
}

bool wordPerfectRecognises(RVNGInputStream& input)
{
    return libwpd::WPDocument::isFileFormatSupported(&input) != libwpd::WPD_CONFIDENCE_NONE;
}

std::string wordPerfectParse(RVNGInputStream& input, RVNGTextInterface& builder)
{
    switch (libwpd::WPDocument::parse(&input, &builder, nullptr)) {
    case libwpd::WPD_OK:
        return "";
    case libwpd::WPD_UNSUPPORTED_ENCRYPTION_ERROR:
    case libwpd::WPD_PASSWORD_MISSMATCH_ERROR:
        return kPasswordProtected;
    case libwpd::WPD_FILE_ACCESS_ERROR:
        return kCutShort;
    default:
        return kCannotParse;
    }
}

bool worksRecognises(RVNGInputStream& input)
{
    libwps::WPSKind kind = libwps::WPS_TEXT;
    libwps::WPSCreator creator = libwps::WPS_MSWORKS;
    bool needsEncoding = false;
    return libwps::WPSDocument::isFileFormatSupported(&input, kind, creator, needsEncoding) !=
           libwps::WPS_CONFIDENCE_NONE;
}

// Works files hold spreadsheets and databases too; the recognition, asked
// again, tells the kind, and only text is read.
std::string worksParse(RVNGInputStream& input, RVNGTextInterface& builder)
{
    libwps::WPSKind kind = libwps::WPS_TEXT;
    libwps::WPSCreator creator = libwps::WPS_MSWORKS;
    bool needsEncoding = false;
    libwps::WPSDocument::isFileFormatSupported(&input, kind, creator, needsEncoding);
    if (kind != libwps::WPS_TEXT)
        return "a spreadsheet or database, not a text document";
    input.seek(0, librevenge::RVNG_SEEK_SET);
    switch (libwps::WPSDocument::parse(&input, &builder)) {
    case libwps::WPS_OK:
        return "";
    case libwps::WPS_ENCRYPTION_ERROR:
        return kPasswordProtected;
    case libwps::WPS_FILE_ACCESS_ERROR:
        return kCutShort;
    default:
        return kCannotParse;
    }
}

bool macRecognises(RVNGInputStream& input)
{
    MWAWDocument::Type type = MWAWDocument::MWAW_T_UNKNOWN;
    MWAWDocument::Kind kind = MWAWDocument::MWAW_K_UNKNOWN;
    return MWAWDocument::isFileFormatSupported(&input, type, kind) != MWAWDocument::MWAW_C_NONE;
}

// The Mac formats include drawings, pictures, spreadsheets and databases;
// as for Works, only text is read.
std::string macParse(RVNGInputStream& input, RVNGTextInterface& builder)
{
    MWAWDocument::Type type = MWAWDocument::MWAW_T_UNKNOWN;
    MWAWDocument::Kind kind = MWAWDocument::MWAW_K_UNKNOWN;
    MWAWDocument::isFileFormatSupported(&input, type, kind);
    if (kind != MWAWDocument::MWAW_K_TEXT)
        return "a drawing, picture, spreadsheet or database, not a text document";
    input.seek(0, librevenge::RVNG_SEEK_SET);
    switch (MWAWDocument::parse(&input, &builder)) {
    case MWAWDocument::MWAW_R_OK:
        return "";
    case MWAWDocument::MWAW_R_PASSWORD_MISSMATCH_ERROR:
        return kPasswordProtected;
    case MWAWDocument::MWAW_R_FILE_ACCESS_ERROR:
        return kCutShort;
    default:
        return kCannotParse;
    }
}

const std::vector<Importer>& importers()
{
    static const std::vector<Importer> table = {
        {"AbiWord", abiWordRecognises, abiWordParse},
        {"WordPerfect", wordPerfectRecognises, wordPerfectParse},
        {"Works", worksRecognises, worksParse},
        {"classic Mac word processor", macRecognises, macParse},
    };
    return table;
}

// Whether the importer takes the stream; the stream is rewound for the next
// question, since the libraries leave it where they stopped reading.
bool recognises(const Importer& importer, RVNGInputStream& input)
{
    input.seek(0, librevenge::RVNG_SEEK_SET);
    const bool recognised = importer.recognises(input);
    input.seek(0, librevenge::RVNG_SEEK_SET);
    return recognised;
}

// The stream's size in bytes; the stream is left at its start.
uint64_t sizeOf(RVNGInputStream& input)
{
    input.seek(0, librevenge::RVNG_SEEK_END);
    const long end = input.tell();
    input.seek(0, librevenge::RVNG_SEEK_SET);
    return end > 0 ? static_cast<uint64_t>(end) : 0;
}

// The first importer that takes the stream, or null.
const Importer* recogniser(RVNGInputStream& input)
{
    for (const Importer& importer : importers())
        if (recognises(importer, input))
            return &importer;
    return nullptr;
}

// Why the import through `importer` failed, as ImportError's text.
ImportError importFailure(const Importer& importer, const std::string& name, const std::string& problem)
{
    return ImportError(name + ": " + importer.format + " file: " + problem);
}

// Sends the stream's events to `target` through `importer`; throws
// ImportError when the import fails, the importer's own exceptions included.
void parseWith(const Importer& importer, RVNGInputStream& input, RVNGTextInterface& target, const std::string& name)
{
    std::string problem;
    try {
        problem = importer.parse(input, target);
    } catch (const std::exception& error) {
        problem = std::string("the importer failed: ") + error.what();
    }
    if (!problem.empty())
        throw importFailure(importer, name, problem);
}

} // namespace

const std::vector<std::string>& importerNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const Importer& importer : importers())
            result.emplace_back(importer.format);
        return result;
    }();
    return names;
}

std::unique_ptr<trxhost::Document> importDocument(const std::string& path)
{
    librevenge::RVNGFileStream input(path.c_str());
    return importDocument(input, path);
}

std::unique_ptr<trxhost::Document> importDocument(RVNGInputStream& input, const std::string& name)
{
    const Importer* importer = recogniser(input);
    if (!importer)
        return nullptr;
    DocumentBuilder builder(sizeOf(input));
    parseWith(*importer, input, builder, name);
    if (!builder.finished())
        throw importFailure(*importer, name, "the document ends before its end");
    return builder.takeDocument();
}

bool importInto(RVNGInputStream& input, RVNGTextInterface& target, const std::string& name)
{
    const Importer* importer = recogniser(input);
    if (importer)
        parseWith(*importer, input, target, name);
    return importer != nullptr;
}

} // namespace frontends
