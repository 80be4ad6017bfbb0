// The base of the writers of strands: text strands and content strands
// (tabs, breaks, fields, marks, notes ...). A strand is written as its
// character style switched on, its character properties switched on, its
// content, its properties switched back and its style switched off; a
// strand marked as deleted by revision has its content inside a "DTX"
// command.
#pragma once

#include "icf/ICFCommandWriter.h"
#include "icf/ICFNodeWriter.h"
#include "icf/ICFPropertiesState.h"
#include "model/CountedReference.h"
#include "model/StrandProperties.h"

class IStrandStyleContent;

class CICFStrandNodeWriter : public CICFNodeWriter {
public:
    // Start, content, end.
    void write() override;
    // Writes the strand and releases its node once the node may be written;
    // otherwise the strand is written later, by its parent.
    void onDone() override;

    // Takes the strand's properties and style from its node, switches the
    // style and the properties on and opens "DTX" for deleted text.
    void writeStrandStart();
    // Closes "DTX", switches the properties back and the style off.
    void writeStrandEnd();

    // The writer holds a reference to the properties.
    void setProperties(IStrandProperties* properties) { m_properties.reset(properties); }
    IStrandProperties* getProperties() const { return m_properties.get(); }
    void setStyle(IStrandStyleContent* style) { m_style = style; }
    IStrandStyleContent* getStyle() const { return m_style; }

    // What the strand stands for; the base writes nothing.
    virtual void writeContent() {}
    // The strand's properties against its style's, in `state`.
    virtual void writeProperties(EPropertiesState state);
    // "STY"/"STF" of the strand's character style; nothing without one.
    virtual void writeStyleOn();
    virtual void writeStyleOff();

private:
    bool m_deletedTextOpen = false;
    CICFCommandWriter m_deletedText;
    TCountedReference<IStrandProperties> m_properties;
    IStrandStyleContent* m_style = nullptr; // not owned
};
