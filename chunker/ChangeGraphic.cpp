#include "chunker/ChangeGraphic.h"

#include "chunker/ChangeText.h"
#include "chunker/HostRecords.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/FieldNodes.h"
#include "model/GraphicCSNode.h"
#include "model/NodeCast.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "model/Rectangle.h"
#include "trx/changes.h"

namespace {

// The fields this reader takes from the embedded object record. A shown
// size of 0 is not given; a picture's property position also names its
// embedded data for the host.
static_assert(holdsWords(CHRECORD_SIZE_EMBEDDED_OBJECT, CHOBJECT_KIND, CHOBJECT_SOURCE_HEIGHT, CHOBJECT_SOURCE_WIDTH,
                         CHOBJECT_CROP_TOP, CHOBJECT_CROP_LEFT, CHOBJECT_CROP_BOTTOM, CHOBJECT_CROP_RIGHT,
                         CHOBJECT_HEIGHT, CHOBJECT_WIDTH, CHOBJECT_DISPLAY, CHOBJECT_PROPERTIES,
                         CHOBJECT_DOCUMENT_PROPERTIES),
              "the object's fields lie in the record");

// An object of a sound document has a handful of properties; the bound ends
// the walk of a list that never reaches its end-properties change even when
// the host keeps answering.
constexpr uint32_t kMaxObjectProperties = 0x10000;

// No file name of a sound document comes near this; the bound keeps a
// damaged length from asking for gigabytes before the host is asked.
constexpr uint32_t kMaxFileNameLength = 0x10000;

const char kObjectMissing[] = "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChCGraph";
const char kPropertiesNeverEnd[] = "REQUIRE: changeType == CHCHANGE_END_PROPERTIES\n\tFile: ChCGraph";
const char kFileNameChangeMissing[] = "REQUIRE: locErr == TRXERR_OK\n\tFile: ChCGraph";
const char kFileNameTooLong[] = "REQUIRE: nameLength <= kMaxFileNameLength\n\tFile: ChCGraph";

// A shown size of 0 is no size: the writer lets the picture's own size count.
CDimension shownLength(uint32_t value)
{
    return value == 0 ? CDimension(kDimensionAuto, 0) : hostLength(kDimensionExact, value);
}

int32_t signedField(const unsigned char* record, std::size_t offset)
{
    return static_cast<int32_t>(readBigEndian32(record, offset));
}

// The node stands in the paragraph as the source has it: it takes neither the
// paragraph's character style nor its running formatting.
void attachInline(CWordParagraphNode& paragraph, CPendingNode& node)
{
    paragraph.attachNode(node.get());
    node.take()->done();
}

} // namespace

uint32_t CChangeGraphic::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph || !paragraph->getNodeFactory())
        return 0;
    m_objects.moveToElementById(getValue1());
    if (m_objects.getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(kObjectMissing);
    const unsigned char* record = m_objects.getEmbeddedObjectStruct();
    if (readBigEndian32(record, CHOBJECT_KIND) & CHOBJECT_INCLUDED_DOCUMENT)
        placeIncludedDocument(*paragraph, record);
    else
        placeGraphic(*paragraph, record);
    return 0;
}

void CChangeGraphic::placeIncludedDocument(CWordParagraphNode& paragraph, const unsigned char* record)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kIncludedDocumentCSNode));
    auto* document = node.get() ? dynamic_cast<IIncludedDocumentCSContent*>(node.get()->getIContent()) : nullptr;
    if (!document)
        return;
    if (auto location = readFileName(readBigEndian32(record, CHOBJECT_DOCUMENT_PROPERTIES), paragraph))
        document->setDocumentLocation(*location);
    attachInline(paragraph, node);
}

// The picture's embedded data is named by the position of this change in the
// change list and by the record's property position; the data object keeps
// both with the export for the writer.
void CChangeGraphic::placeGraphic(CWordParagraphNode& paragraph, const unsigned char* record)
{
    INodeFactory& factory = *paragraph.getNodeFactory();
    CPendingNode node(factory.createNode(kGraphicCSNode));
    auto* graphic = dynamic_cast<CGraphicCSNode*>(node.get());
    if (!graphic)
        return;
    graphic->setGraphicDataObject(factory.createGraphicData());

    const uint32_t changeIndex = m_processor ? m_processor->getPosition() - 1 : 0;
    const uint32_t propertyPosition = readBigEndian32(record, CHOBJECT_PROPERTIES);
    graphic->setGraphicData(changeIndex, propertyPosition, getHExport());
    graphic->setMaintainAspectRatio((readBigEndian32(record, CHOBJECT_DISPLAY) & CHOBJECT_KEEP_ASPECT_RATIO) != 0);
    graphic->setOriginalWidth(readBigEndian32(record, CHOBJECT_SOURCE_WIDTH));
    graphic->setOriginalHeight(readBigEndian32(record, CHOBJECT_SOURCE_HEIGHT));
    graphic->setDestinationWidth(shownLength(readBigEndian32(record, CHOBJECT_WIDTH)));
    graphic->setDestinationHeight(shownLength(readBigEndian32(record, CHOBJECT_HEIGHT)));
    graphic->setCropRegion(CRectangle(signedField(record, CHOBJECT_CROP_TOP), signedField(record, CHOBJECT_CROP_LEFT),
                                      signedField(record, CHOBJECT_CROP_BOTTOM),
                                      signedField(record, CHOBJECT_CROP_RIGHT)));
    graphic->setType(kGraphicDataEmbedded);
    if (auto fileName = readFileName(propertyPosition, paragraph)) {
        graphic->setType(kGraphicDataReferencedFile);
        graphic->setReferencedFileName(*fileName);
    }
    attachInline(paragraph, node);
}

// The property changes end with an end-properties change, which must come
// before the change list ends; other changes among them are passed over.
std::optional<CCharacterString> CChangeGraphic::readFileName(uint32_t position, const CWordParagraphNode& paragraph)
{
    m_properties.moveToElementById(position);
    for (uint32_t read = 0;; ++read) {
        if (read == kMaxObjectProperties || m_properties.getNextElement() != TRXERR_OK)
            throw ExMisformedChunkerDataError(kPropertiesNeverEnd);
        const uint32_t changeType = m_properties.getChangeType();
        if (changeType == CHCHANGE_END_PROPERTIES)
            return std::nullopt;
        if (changeType == CHCHANGE_PROPERTY && m_properties.getValue1() == CHPROPERTY_FILE_NAME)
            return readPropertyText(m_properties, m_texts, m_properties.getValue2(), paragraph,
                                    {kMaxFileNameLength, kFileNameChangeMissing, kFileNameTooLong});
    }
}
