// The writers of style nodes. A paragraph or strand style writer switches
// its style on and off in the text ("STY"/"STF" ... "STE") and writes the
// properties the style defines; the style table writer uses the latter for
// the style definitions. List styles write nothing. Style nodes belong to
// the style table: their writers never release them.
#pragma once

#include "icf/ICFNodeWriter.h"
#include "icf/ICFPropertiesState.h"
#include "icf/ICFStrandPropertiesWriter.h"
#include "model/StyleContent.h"

class CICFStyleNodeWriter : public CICFNodeWriter {
public:
    void onDone() override {}

    virtual void writeProperties(EPropertiesState state) = 0;
    // "STY" with name, id and kind code, the style's properties, "STE";
    // nothing for a style of another type than the writer's.
    virtual void writeStyleOn();
    // The same with "STF" and the properties turned off again.
    virtual void writeStyleOff();

    // The kind code of a paragraph (0) or strand (1) style; false for other
    // types, which have no style definition.
    static bool kindCodeOf(EStyleTypes type, uint32_t& kind);

protected:
    explicit CICFStyleNodeWriter(EStyleTypes writtenType) : m_writtenType(writtenType) {}

    IStyleContent& getStyle();
    // "SBO" naming the base style; nothing without one.
    void writeBasedOn(const IStyleContent* base);
    // The style's character properties against its base style's (none
    // without a base style), through the shared strand properties writer,
    // which keeps them as the comparison base of the strands that follow.
    void writeStrandProperties(IStrandProperties* properties, IStrandProperties* baseProperties,
                               EStrandPropertiesTarget target, EPropertiesState state);

private:
    void writeStyleSwitch(const char* command, EPropertiesState state);

    EStyleTypes m_writtenType;
};

class CICFParagraphStyleNodeWriter : public CICFStyleNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kParagraphStyleNode;

    CICFParagraphStyleNodeWriter() : CICFStyleNodeWriter(kParagraphStyle) {}
    void writeProperties(EPropertiesState state) override;
};

class CICFStrandStyleNodeWriter : public CICFStyleNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kStrandStyleNode;

    CICFStrandStyleNodeWriter() : CICFStyleNodeWriter(kStrandStyle) {}
    void writeProperties(EPropertiesState state) override;
};

class CICFListStyleNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kListStyleNode;

    void write() override {}
    void onDone() override {}
};
