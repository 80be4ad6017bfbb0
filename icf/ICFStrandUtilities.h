// Operations over lists of strands kept outside the tree (the text around a
// list number, a note's reference mark).
#pragma once

#include "model/CountedReference.h"

#include <string>

class CICFWriter;
class CStrandContentList;
class IStrandProperties;
class IStrandStyleContent;

class CICFStrandUtilities {
public:
    CICFStrandUtilities() = delete;

    // Each strand through its node writer, with its formatting.
    static void writeStrands(const CStrandContentList& strands);
    // Only the text of the strands, double-byte text in the enclosed form.
    static void writeTextOnly(CICFWriter* writer, const CStrandContentList& strands);
    // Takes the first character off the first text strand of the list and
    // returns it, as its byte in Windows Western (0 when there is none). `properties` holds that strand's
    // properties from the start, so that a failure later leaks nothing, `style` its style. A
    // strand left empty is released and taken out of the list; otherwise
    // its remaining text is stored back in Windows Western.
    static int extractFirstCharacter(CStrandContentList& strands, TCountedReference<IStrandProperties>& properties,
                                     IStrandStyleContent*& style);
};
