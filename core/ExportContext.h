// The state one export keeps beyond the life of any one of its objects: the
// character mapper the model's strings use and one state object per layer
// (the reader's item-list handles and character maps, the writer's
// class-wide command switch). Each layer reaches its state through class-wide
// accessors, so one export at a time can run in a process: the conversion
// makes the context of its export and destroys it with itself, and a context
// made while another exists, on any thread, is refused.
#pragma once

#include "core/CharacterMapping.h"

#include <atomic>
#include <memory>

// The layers that keep state in the context; each state type names its slot.
enum EExportStateSlot { kReaderStateSlot, kWriterStateSlot, kExportStateSlotCount };

class IExportLayerState {
public:
    virtual ~IExportLayerState() = default;
};

class CExportContext {
public:
    // Claims the process for one export; raises ExAssertionFailed while
    // another context exists.
    CExportContext();
    // Destroys the layers' state, then lets the next export claim the process.
    ~CExportContext();
    CExportContext(const CExportContext&) = delete;
    CExportContext& operator=(const CExportContext&) = delete;

    // The context of the running export; raises ExAssertionFailed when no
    // export runs. Inline: the layers ask for it on every command and map.
    static CExportContext& current()
    {
        CExportContext* context = s_current.load();
        if (!context)
            throwNoExport();
        return *context;
    }

    // The mapper the model's strings use; raises ExAssertionFailed when none
    // was given.
    ICharacterMapper& characterMapper();
    void setCharacterMapper(std::unique_ptr<ICharacterMapper> mapper);

    // The state of one layer, made on first use. State derives from
    // IExportLayerState and names its slot as State::kSlot.
    template <class State>
    State& state()
    {
        std::unique_ptr<IExportLayerState>& slot = m_states[State::kSlot];
        if (!slot)
            slot = std::make_unique<State>();
        return static_cast<State&>(*slot);
    }

private:
    [[noreturn]] static void throwNoExport();

    // The context of the running export. Claiming it is the one step that
    // may race: another thread starting an export finds it taken.
    static inline std::atomic<CExportContext*> s_current{nullptr};

    std::unique_ptr<ICharacterMapper> m_characterMapper;
    std::unique_ptr<IExportLayerState> m_states[kExportStateSlotCount];
};
