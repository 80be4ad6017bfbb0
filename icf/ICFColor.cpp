#include "icf/ICFColor.h"

namespace {

constexpr uint8_t kRedBit = 4;
constexpr uint8_t kGreenBit = 2;
constexpr uint8_t kBlueBit = 1;
constexpr uint8_t kBrightBit = 8;
constexpr uint8_t kBrightAbove = 127;

} // namespace

uint8_t CICFColor::calculateCompositeNumber() const
{
    uint8_t code = 0;
    bool bright = false;
    auto addComponent = [&code, &bright](uint8_t value, uint8_t bit) {
        if (value == 0)
            return;
        code |= bit;
        bright = bright || value > kBrightAbove;
    };
    addComponent(getRed(), kRedBit);
    addComponent(getGreen(), kGreenBit);
    addComponent(getBlue(), kBlueBit);
    return bright ? code | kBrightBit : code;
}

uint8_t CICFColorUtilities::getComposite(const CColor& foreground, const CColor& background)
{
    const uint8_t backgroundCode = CICFColor(background).calculateCompositeNumber();
    const uint8_t foregroundCode = CICFColor(foreground).calculateCompositeNumber();
    return static_cast<uint8_t>((backgroundCode << 4) | (foregroundCode & 0x0F));
}
