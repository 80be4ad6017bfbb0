// The character toggles last written to the output, so that a superscript,
// subscript or case modifier left open by one strand is closed by the next
// one that writes scripting or case.
#pragma once

#include "icf/ICFPropertiesWriter.h"
#include "model/StrandFlags.h"

#include <array>
#include <cstddef>

// The toggles whose state is recorded besides the on/off attributes.
enum EStrandToggle : std::size_t {
    kToggleSuperscript,
    kToggleSubscript,
    kToggleSmallCase,
    kToggleUpperCase,
    kToggleStrikeOut,
    kToggleBorders,
    kToggleColor,
    kToggleShading,
    kToggleUnderline,
    kToggleWidthAdjustment,
    kToggleLanguage,
    kToggleCount
};

class CICFStrandPropertiesStatus {
public:
    CICFStrandPropertiesStatus() { reset(); }

    // Records every toggle as off.
    void reset();

    EOnOffType get(EStrandToggle toggle) const { return m_written[toggle]; }
    void set(EStrandToggle toggle, EOnOffType onOff) { m_written[toggle] = onOff; }
    void set(EStrandFlag flag, EOnOffType onOff) { m_flags[flag] = onOff; }

    EOnOffType getSuperscriptSPS() const { return get(kToggleSuperscript); }
    void setSuperscriptSPS(EOnOffType onOff) { set(kToggleSuperscript, onOff); }
    EOnOffType getSubscriptSBS() const { return get(kToggleSubscript); }
    void setSubscriptSBS(EOnOffType onOff) { set(kToggleSubscript, onOff); }
    EOnOffType getCaseBCS() const { return get(kToggleSmallCase); }
    void setCaseBCS(EOnOffType onOff) { set(kToggleSmallCase, onOff); }
    EOnOffType getCaseBCU() const { return get(kToggleUpperCase); }
    void setCaseBCU(EOnOffType onOff) { set(kToggleUpperCase, onOff); }

private:
    std::array<EOnOffType, kToggleCount> m_written{};
    std::array<EOnOffType, kStrandFlagCount> m_flags{};
};
