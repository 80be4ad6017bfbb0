#include "IcfDecoder.h"

#include "DisplayText.h"

namespace icfdump {

namespace {

// The text escapes carry only numbers and hexadecimal digits, so a command
// inside one of them is always a fault.
bool holdsNoCommands(const std::string& name)
{
    return name == "HEX" || name == "XCS" || name == "MBC";
}

std::string quotedName(const std::string& name)
{
    return '"' + displayName(name) + '"';
}

// Reads the bytes once, front to back, keeping the open commands on a stack;
// stops at the first fault.
class Decoder {
public:
    explicit Decoder(std::string_view bytes) : bytes_(bytes) {}

    IcfStream run()
    {
        while (position_ < bytes_.size() && !stream_.fault) {
            switch (bytes_[position_]) {
            case kEscape:
                startCommand();
                break;
            case kCommandTerminator:
                endCommand();
                break;
            case kParameterTerminator:
                endParameter();
                break;
            default:
                appendText();
                break;
            }
        }
        if (!stream_.fault && !open_.empty()) {
            const Item& innermost = *open_.back();
            fail(FaultKind::Unterminated, innermost.offset,
                 "command " + quotedName(innermost.text) + " is never terminated (the input ends at offset " +
                     std::to_string(bytes_.size()) + ")");
        }
        return std::move(stream_);
    }

private:
    // Where the next item goes: the segment being read of the innermost open
    // command, or the top level.
    Sequence& current() { return open_.empty() ? stream_.items : open_.back()->body.items; }

    void fail(FaultKind kind, size_t offset, std::string message)
    {
        stream_.fault = Fault{kind, offset, std::move(message)};
    }

    void appendText()
    {
        Sequence& items = current();
        if (items.empty() || items.back().kind != Item::Kind::Text) {
            items.emplace_back();
            items.back().offset = position_;
        }
        items.back().text += bytes_[position_++];
    }

    // True when 0x1B at `offset` starts an introducer; otherwise reports why not.
    bool introducerAt(size_t offset)
    {
        if (offset + 1 == bytes_.size()) {
            fail(FaultKind::Unterminated, offset, "the input ends after an escape byte 0x1B");
            return false;
        }
        if (bytes_[offset + 1] != kGroupSeparator) {
            fail(FaultKind::BrokenIntroducer, offset, "escape byte 0x1B not followed by 0x1D");
            return false;
        }
        return true;
    }

    bool mayStartCommand(size_t offset)
    {
        if (!open_.empty() && holdsNoCommands(open_.back()->text)) {
            fail(FaultKind::NestedCommandNotAllowed, offset,
                 "command introducer inside " + quotedName(open_.back()->text) + ", which holds no commands");
            return false;
        }
        if (open_.size() == kMaxNestingDepth) {
            fail(FaultKind::TooDeep, offset,
                 "commands nested more than " + std::to_string(kMaxNestingDepth) +
                     " deep (are command terminators missing?)");
            return false;
        }
        return true;
    }

    // Reads the name after an introducer at `start`; false on a fault.
    bool readName(size_t start, std::string& name)
    {
        position_ = start + 2;
        while (name.size() < kCommandNameLength) {
            if (position_ == bytes_.size()) {
                fail(FaultKind::Unterminated, start, "the input ends inside the name of the command started here");
                return false;
            }
            const char byte = bytes_[position_];
            if (byte == kEscape) {
                if (introducerAt(position_))
                    fail(FaultKind::NestedCommandNotAllowed, position_, "command introducer inside a command name");
                return false;
            }
            if (byte == kCommandTerminator || byte == kParameterTerminator) {
                fail(FaultKind::ShortName, position_,
                     "terminator inside the name of the command started at offset " + std::to_string(start));
                return false;
            }
            name += byte;
            ++position_;
        }
        return true;
    }

    void startCommand()
    {
        const size_t start = position_;
        std::string name;
        if (!introducerAt(start) || !mayStartCommand(start) || !readName(start, name))
            return;
        Sequence& items = current();
        items.emplace_back();
        Item& command = items.back();
        command.kind = Item::Kind::Command;
        command.offset = start;
        command.text = std::move(name);
        command.body.offset = position_;
        open_.push_back(&command);
    }

    void endParameter()
    {
        if (open_.empty()) {
            fail(FaultKind::StrayTerminator, position_, "parameter terminator 0x1F outside any command");
            return;
        }
        Item& command = *open_.back();
        command.parameters.push_back(std::move(command.body));
        command.body = Segment{++position_, {}};
    }

    void endCommand()
    {
        if (open_.empty()) {
            fail(FaultKind::StrayTerminator, position_, "command terminator 0x1E outside any command");
            return;
        }
        open_.pop_back();
        ++position_;
    }

    std::string_view bytes_;
    size_t position_ = 0;
    IcfStream stream_;
    // The open commands, innermost last. Items are only ever appended to the
    // innermost one's segment, so these pointers stay valid.
    std::vector<Item*> open_;
};

} // namespace

IcfStream decodeIcf(std::string_view bytes)
{
    return Decoder(bytes).run();
}

std::string describeFault(const Fault& fault)
{
    return "offset " + std::to_string(fault.offset) + ": " + fault.message;
}

} // namespace icfdump
