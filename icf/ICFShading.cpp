#include "icf/ICFShading.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"

#include <array>

namespace {

constexpr int32_t kLastShadingClient = 6;
constexpr long kFullIntensity = 100;
// A shading with a pattern type but neither intensity nor a pattern code
// would not show at all: it is written half intense.
constexpr long kVisibleIntensity = 50;
constexpr unsigned long kReserved = 0;
constexpr unsigned long kColorsEnd = 999;
constexpr int kReservedHexParameters = 6;

unsigned long clientCode(EShadingClient client)
{
    return client >= 0 && client <= kLastShadingClient ? client : kShadingClientStrand;
}

// The ICF pattern code of each shading type, by type; types past the end
// have none (0).
constexpr std::array<unsigned long, 24> kPatternCodes = {0, 0, 1, 2, 3,  4,  5,  8,  6,  7,  3,  4,
                                                         5, 8, 8, 9, 10, 11, 12, 14, 13, 15, 16, 17};

unsigned long patternCode(EShadingTypes type)
{
    return type < kPatternCodes.size() ? kPatternCodes[type] : 0;
}

void writeColor(CICFCommandWriter& command, const CColor& color)
{
    command.writeParameter(CICFHexParameter(color.getRed()));
    command.writeParameter(CICFHexParameter(color.getGreen()));
    command.writeParameter(CICFHexParameter(color.getBlue()));
}

} // namespace

void CICFShading::writeSHD(CICFWriter* writer, EOnOffType onOff, EShadingClient client) const
{
    CICFCommandWriter command;
    command.initialize(writer, kCmdShading);
    command.writeParameter(CICFDecimalParameter(clientCode(client)));
    if (onOff != kOnOffOn) {
        command.writeParameter(CICFDecimalParameter(0));
        command.done();
        return;
    }
    CFixed transparency;
    long intensity = kFullIntensity - static_cast<long>(getTransparency(transparency));
    const unsigned long pattern = patternCode(getType());
    if (intensity == 0 && pattern == 0 && getType() >= kShadingPattern2)
        intensity = kVisibleIntensity;
    command.writeParameter(CICFDecimalParameter(static_cast<unsigned long>(intensity)));
    CColor color;
    writeColor(command, getForegroundPatternColor(color));
    command.writeParameter(CICFDecimalParameter(kReserved));
    writeColor(command, getBackgroundPatternColor(color));
    command.writeParameter(CICFDecimalParameter(kColorsEnd));
    for (int i = 0; i < kReservedHexParameters; ++i)
        command.writeParameter(CICFHexParameter(kReserved));
    command.writeParameter(CICFDecimalParameter(pattern));
    command.writeParameter(CICFDecimalParameter(kReserved));
    command.done();
}
