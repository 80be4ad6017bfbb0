// Writes the character properties of a strand or of a style definition as
// ICF on/off commands. The strand's values are compared with those of its
// comparison base (the strand's character style, else its paragraph style;
// for a style definition the style it is based on), and shouldPropWrite
// decides per property whether a command is due. One instance is shared by
// all strand and style writers of an output: the status of open toggles
// carries from one strand to the next.
#pragma once

#include "icf/ICFPropertiesWriter.h"
#include "icf/ICFStrandPropertiesStatus.h"
#include "model/CountedReference.h"
#include "model/FontDefinition.h"
#include "model/StrandFlags.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

class IStrandProperties;

// What the properties being written belong to.
enum EStrandPropertiesTarget : int32_t {
    kStrandPropertiesTargetStrand = 0,
    kStrandPropertiesTargetStrandStyle = 1,
    kStrandPropertiesTargetParagraphStyle = 2,
};

class CICFStrandPropertiesWriter : public CICFPropertiesWriter {
public:
    CICFStrandPropertiesWriter() = default;
    CICFStrandPropertiesWriter(const CICFStrandPropertiesWriter&) = delete;
    CICFStrandPropertiesWriter& operator=(const CICFStrandPropertiesWriter&) = delete;

    // Forgets every properties object and records every toggle as off.
    virtual void reset();

    // None of the properties objects is owned. The strand's are read only
    // while it is written; the styles' stay the comparison base of the
    // strands that follow and belong to style nodes, which live as long as
    // the document.
    void setStrandProperties(IStrandProperties* properties) { m_properties = properties; }
    void setStrandStyleProperties(IStrandProperties* properties) { m_strandStyle = properties; }
    void setParagraphStyleProperties(IStrandProperties* properties) { m_paragraphStyle = properties; }
    void setStyleBaseProperties(IStrandProperties* properties) { m_styleBase = properties; }
    void setPropertiesTarget(EStrandPropertiesTarget target) { m_target = target; }

    // Writes the properties of the current target in `state` onto `writer`;
    // nothing without a writer or without properties for the target.
    void writeProperties(CICFWriter* writer, EPropertiesState state);

    // One operation per property, writing it in `state` against the current
    // comparison base; those of the on/off attributes write the commands of
    // their row of the attribute table.
    void writeBold(EPropertiesState state) { writeFlagCommands(state, kFlagBold); }
    void writeFlashing(EPropertiesState state) { writeFlagCommands(state, kFlagFlashing); }
    void writeHidden(EPropertiesState state) { writeFlagCommands(state, kFlagHidden); }
    void writeItalic(EPropertiesState state) { writeFlagCommands(state, kFlagItalic); }
    void writeOutline(EPropertiesState state) { writeFlagCommands(state, kFlagOutline); }
    void writeProtected(EPropertiesState state) { writeFlagCommands(state, kFlagProtected); }
    void writeReverse(EPropertiesState state) { writeFlagCommands(state, kFlagReverse); }
    void writeRevisionAdded(EPropertiesState state) { writeFlagCommands(state, kFlagRevisionAdded); }
    void writeShadow(EPropertiesState state) { writeFlagCommands(state, kFlagShadow); }
    void writeFont(EPropertiesState state);
    void writeBaselineShift(EPropertiesState state);
    void writeScripting(EPropertiesState state);
    void writeCaseModifier(EPropertiesState state);
    void writeStrikeOut(EPropertiesState state);
    void writeCharacterWidthAdjustment(EPropertiesState state);
    void writeBorders(EPropertiesState state);
    void writeShading(EPropertiesState state);
    void writeLanguage(EPropertiesState state);
    void writeColor(EPropertiesState state);
    void writeUnderline(EPropertiesState state);
    // ICF has no command for these.
    void writePairKerningStart(EPropertiesState) {}
    void writeScaling(EPropertiesState) {}
    // "SPS"/"SBS" (type 1 / 2) with the amount and the default flag when
    // on, "EPS"/"EBS" when off.
    void writeIcfScripting(uint32_t type, int32_t amount, bool isDefault, EOnOffType onOrOff);
    // "BCS"/"ECS" for type 1, "BCU"/"ECU" for type 2; other types write
    // nothing.
    void writeIcfCaseModifier(uint32_t type, EOnOffType onOrOff);

private:
    // Picks the properties to write and their comparison base for the
    // target; false when the target has no properties.
    bool chooseComparisonBase();
    template <class Read, class Classify, class Same, class Emit>
    void writeProperty(EPropertiesState state, Read read, Classify classify, Same same, Emit emit);
    template <class Toggle, class Read, class Classify, class Same, class Emit>
    void writeRecorded(EPropertiesState state, Toggle toggle, Read read, Classify classify, Same same, Emit emit);
    void writeFlagCommands(EPropertiesState state, EStrandFlag flag);
    bool closeOpenScripting();
    // The "SPF" command of a font in a size, rendered on its first use (the
    // id and name of a font definition do not change once it is made).
    const std::string& fontCommand(CFontDefinition& font, uint32_t size);

    // A rendered "SPF" command. It holds a reference to its font, so that no
    // other font can take the font's address.
    struct SFontCommand {
        TCountedReference<CFontDefinition> font;
        std::string bytes;
    };

    CICFStrandPropertiesStatus m_status;
    IStrandProperties* m_base = nullptr;       // the comparison base, not owned
    IStrandProperties* m_properties = nullptr; // not owned
    IStrandProperties* m_strandStyle = nullptr;
    IStrandProperties* m_paragraphStyle = nullptr;
    IStrandProperties* m_styleBase = nullptr;
    EStrandPropertiesTarget m_target = kStrandPropertiesTargetStrand;
    // By font and size.
    std::map<std::pair<const CFontDefinition*, uint32_t>, SFontCommand> m_fontCommands;
};
