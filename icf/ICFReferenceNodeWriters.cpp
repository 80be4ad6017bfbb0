#include "icf/ICFReferenceNodeWriters.h"

#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/BookmarkNodes.h"
#include "model/ReferenceBeginCSNode.h"

#include <utility>

namespace {

// The first parameter of "XRF": a hyperlink's begin, any other reference's
// begin, and the end of either.
constexpr unsigned long kHyperlinkStart = 4;
constexpr unsigned long kReferenceStart = 0;
constexpr unsigned long kReferenceFinish = 5;

// The reference kind of a hyperlink, as the reader numbers it.
constexpr uint32_t kHyperlink = 10;

// The output's reference type for the reader's kind: 1 to 8 keep their
// number, 9 becomes 10, a hyperlink 13, anything else 0.
unsigned long outputReferenceType(EReferenceType type)
{
    const uint32_t kind = type;
    if (kind >= 1 && kind <= 8)
        return kind;
    if (kind == 9)
        return 10;
    if (kind == kHyperlink)
        return 13;
    return 0;
}

// The content of `node` when the node may be written; null otherwise.
template <class Content>
const Content* writableContent(INode* node)
{
    const auto* content = dynamic_cast<Content*>(node->getIContent());
    return content && node->isOkToWrite() ? content : nullptr;
}

// Begins "XRF" on `command` with its first three parameters.
void beginCrossReference(CICFCommandWriter& command, CICFWriter* writer, unsigned long which,
                         const SICFReferenceBegin& begin)
{
    command.initialize(writer, kCmdCrossReference);
    command.writeParameter(CICFHexParameter(which));
    command.writeParameter(CICFDecimalParameter(outputReferenceType(begin.type)));
    command.writeParameter(CICFStringParameter(begin.target));
}

// Finishes a kept command with a null parameter after switching command
// output back on.
void completeKeptCommand(SICFReferenceBegin& begin)
{
    if (!begin.keptCommand)
        return;
    CICFCommandWriter::enable();
    begin.keptCommand->writeParameter(CICFNullParameter());
    begin.keptCommand->done();
    begin.keptCommand.reset();
}

} // namespace

void CICFReferenceBeginCSNodeWriter::writeContent()
{
    const auto* reference = writableContent<IReferenceBeginCSContent>(getNode());
    if (!reference)
        return;
    CICFWriter* writer = getICFWriter();
    CICFReferenceMap& references = writer->getReferenceBeginEndMap();
    CCharacterString name;
    reference->getName(name);
    // A second begin of the same name replaces the first, whose command is
    // finished first so that output is not left switched off.
    auto found = references.find(name);
    if (found != references.end())
        completeKeptCommand(found->second);

    SICFReferenceBegin begin;
    begin.type = reference->getRefType();
    reference->getTargetString(begin.target);

    auto command = std::make_unique<CICFCommandWriter>();
    const bool hyperlink = begin.type == kHyperlink;
    beginCrossReference(*command, writer, hyperlink ? kHyperlinkStart : kReferenceStart, begin);
    if (hyperlink) {
        command->writeParameter(CICFDecimalParameter(0));
        command->done();
    } else {
        CICFCommandWriter::disable();
        begin.keptCommand = std::move(command);
    }

    references[name] = std::move(begin);
}

// The begin's command is completed first: it holds whatever was written
// while command output was off, and output must be on again for the end's
// own command to reach it.
void CICFReferenceEndCSNodeWriter::writeContent()
{
    const auto* reference = writableContent<IBookmarkEndCSContent>(getNode());
    if (!reference)
        return;
    CICFWriter* writer = getICFWriter();
    CICFReferenceMap& references = writer->getReferenceBeginEndMap();
    CCharacterString name;
    auto found = references.find(reference->getName(name));
    if (found == references.end())
        return;
    SICFReferenceBegin begin = std::move(found->second);
    references.erase(found);
    completeKeptCommand(begin);

    CICFCommandWriter command;
    beginCrossReference(command, writer, kReferenceFinish, begin);
    command.writeParameter(CICFDecimalParameter(0));
    command.done();
}
