// The TOC bookmarks whose begin has been written and whose end has not: the
// level code the end repeats and, for a hidden bookmark, the begin's "BMT"
// left open while its text is kept out of the commands.
#pragma once

#include "icf/ICFCommandWriter.h"
#include "model/CharacterString.h"

#include <cstdint>
#include <map>
#include <memory>

class CICFBookmarkLevelInfo {
public:
    uint32_t getLevel() const { return m_level; }
    void setLevel(uint32_t level) { m_level = level; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    // Null when the begin finished its command.
    CICFCommandWriter* getCmdWriter() const { return m_command.get(); }
    void setCmdWriter(std::unique_ptr<CICFCommandWriter> command) { m_command = std::move(command); }
    void releaseCmdWriter() { m_command.reset(); }

private:
    uint32_t m_level = 0;
    bool m_visible = true;
    std::unique_ptr<CICFCommandWriter> m_command;
};

using CICFBookmarkLevelMap = std::map<CCharacterString, CICFBookmarkLevelInfo>;
