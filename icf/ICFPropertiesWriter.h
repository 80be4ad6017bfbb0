// The base of the property writers. Every property command is decided the
// same way: the node's value and its style's value are each seen as on, off
// or undefined, and the situation of the write (EPropertiesState) says
// whether a command is due and whether it switches the property on or off.
#pragma once

#include "icf/ICFPropertiesState.h"

#include <cstdint>

class CICFWriter;

// How a property stands: set, not set, or not known (no style to compare).
enum EOnOffType : int32_t {
    kOnOffOn = 0,
    kOnOffOff = 1,
    kOnOffUndefined = 2,
};

// The answer of shouldPropWrite.
enum EPropWriteAnswer : int32_t {
    kPropWriteNo = 0,
    kPropWriteYes = 1,
    // Write, but with the style's value instead of the node's: the end of a
    // strand puts the style's own setting back.
    kPropWriteRestoringStyle = 2,
};

class CICFPropertiesWriter {
public:
    virtual ~CICFPropertiesWriter() = default;

    void setWriter(CICFWriter* writer) { m_writer = writer; }
    CICFWriter* getWriter() const { return m_writer; }

    // Whether a property command is written in `state`, given the node's
    // value `node` and its style's `style`; `differs` tells that both are on
    // with different values (two fonts, two colours). On a yes, `out` is the
    // on/off form of the command to write.
    static EPropWriteAnswer shouldPropWrite(EOnOffType node, EOnOffType style, EPropertiesState state, EOnOffType& out,
                                            bool differs);

    static EOnOffType onOff(bool on) { return on ? kOnOffOn : kOnOffOff; }

private:
    CICFWriter* m_writer = nullptr; // not owned
};
