// Streams one ICF command at a time onto a CICFWriter: introducer and name
// at initialize or restart, each parameter with its parameter end, the
// command end at done. Commands written through a nested writer land inside
// the open command, after the parameters written so far.
//
// Command writers can be disabled class-wide (the count is shared by all
// and kept in the running export's context): a command begun while they are
// disabled is swallowed whole, with anything written onto the CICFWriter
// before its done().
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class CICFParameter;
class CICFWriter;

// Any integer as the 32-bit number a decimal parameter holds: a negative
// value reads back as itself.
struct SDecimalValue {
    template <class Integer>
    SDecimalValue(Integer value) : value(static_cast<uint32_t>(value))
    {
    }
    uint32_t value;
};

class CICFCommandWriter {
public:
    CICFCommandWriter() = default;
    // Finishes an open command; a stream failure here is not reported (a
    // destructor must not throw).
    ~CICFCommandWriter();
    CICFCommandWriter(const CICFCommandWriter&) = delete;
    CICFCommandWriter& operator=(const CICFCommandWriter&) = delete;

    // Finishes whatever this writer had open, then begins the command
    // `name` on `writer` (as restart does).
    void initialize(CICFWriter* writer, std::string_view name);
    // Finishes an open command and begins `name` on the same writer. While
    // command writers are disabled, it suppresses the writer's output until
    // done() instead.
    void restart(std::string_view name);
    // Writes the parameter and the parameter end; nothing unless a command
    // is open.
    void writeParameter(const CICFParameter& parameter);
    // The writer for commands inside the open one, made on first use; a
    // command it still has open is finished first. Without an open command
    // the existing nested writer, if any, is returned untouched; null if
    // there is none.
    CICFCommandWriter* nestICFCommandWriter();
    // Finishes the nested writer's command and disposes of the nested writer.
    void releaseNestedICFCommandWriter();
    // Ends the open command (after the nested commands) and lifts the
    // suppression that initialize put on the writer.
    void done();
    // A command without parameters; nothing at all while command writers
    // are disabled.
    void writeNoParamCmd(CICFWriter* writer, std::string_view name);
    // Writes the whole command `name` with one decimal parameter per value.
    static void writeDecimalCmd(CICFWriter* writer, std::string_view name, std::initializer_list<SDecimalValue> values);
    // The same on the writer this one already has.
    void writeNoParamCmd(std::string_view name);
    bool isDone() const { return !m_open; }

    static void disable();
    static void enable();
    static bool isEnabled();

private:
    void closeCommand();
    void suppressOutput();
    void endSuppression();

    bool m_open = false;
    // This writer disabled its CICFWriter's output in initialize.
    bool m_suppressing = false;
    std::unique_ptr<CICFCommandWriter> m_nested;
    CICFWriter* m_writer = nullptr; // not owned
};
