#include "icf/ICFPropertiesWriter.h"

namespace {

EOnOffType opposite(EOnOffType value)
{
    return value == kOnOffOn ? kOnOffOff : kOnOffOn;
}

// Without a style to compare with only what the node sets is written.
EPropWriteAnswer writeWhenOn(EOnOffType node, EOnOffType& out)
{
    if (node != kOnOffOn)
        return kPropWriteNo;
    out = kOnOffOn;
    return kPropWriteYes;
}

EPropWriteAnswer styleDefinitionAnswer(EOnOffType node, EOnOffType style, EOnOffType& out)
{
    if (style == kOnOffUndefined || node == style)
        return writeWhenOn(node, out);
    out = node;
    return kPropWriteYes;
}

// A strand's start switches on what differs from the style; its end puts
// the style's setting back.
EPropWriteAnswer strandAnswer(EOnOffType node, EOnOffType style, EPropertiesState state, EOnOffType& out, bool differs)
{
    if (style == kOnOffUndefined)
        return writeWhenOn(node, out);
    if (node == style && (node == kOnOffOff || !differs))
        return kPropWriteNo;
    if (state == kPropertiesStrandStart) {
        out = node;
        return kPropWriteYes;
    }
    if (style == kOnOffOn) {
        out = kOnOffOn;
        return kPropWriteRestoringStyle;
    }
    out = opposite(node);
    return kPropWriteYes;
}

} // namespace

EPropWriteAnswer CICFPropertiesWriter::shouldPropWrite(EOnOffType node, EOnOffType style, EPropertiesState state,
                                                       EOnOffType& out, bool differs)
{
    switch (state) {
    case kPropertiesOwnValues:
        out = node;
        return kPropWriteYes;
    case kPropertiesOppositeValues:
        out = opposite(node);
        return kPropWriteYes;
    case kPropertiesStyleOn:
        return styleDefinitionAnswer(node, style, out);
    case kPropertiesStyleOff:
        if (node != kOnOffOn)
            return kPropWriteNo;
        out = kOnOffOff;
        return kPropWriteYes;
    case kPropertiesStrandStart:
    case kPropertiesStrandEnd:
        return strandAnswer(node, style, state, out, differs);
    }
    return kPropWriteNo;
}
