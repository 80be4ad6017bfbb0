// An ICF command held as a value: a name and its parameters, written in one
// go later. Node writers that build a command before writing it (the summary
// and column definitions) derive from it.
#pragma once

#include "icf/ICFParameter.h"

#include <list>
#include <memory>
#include <string>

class CICFWriter;

class CICFCommand {
public:
    using ParameterList = std::list<std::unique_ptr<CICFParameter>>;

    CICFCommand() = default;
    explicit CICFCommand(const std::string& name) : m_name(name) {}
    // Copies are deep: each parameter is cloned.
    CICFCommand(const CICFCommand& other);
    CICFCommand& operator=(const CICFCommand& other);
    CICFCommand(CICFCommand&&) noexcept = default;
    CICFCommand& operator=(CICFCommand&&) noexcept = default;
    virtual ~CICFCommand() = default;

    void setIcfCommand(const std::string& name) { m_name = name; }
    const std::string& getIcfCommand() const { return m_name; }
    // Appends a copy: the caller keeps its parameter.
    void addParameter(const CICFParameter& parameter) { m_parameters.push_back(parameter.clone()); }
    ParameterList& getParameterList() { return m_parameters; }
    const ParameterList& getParameterList() const { return m_parameters; }

    // The whole command, from introducer to command end.
    void write(CICFWriter* writer) const;

    // Same name and pairwise equal parameters.
    bool operator==(const CICFCommand& other) const;
    bool operator!=(const CICFCommand& other) const { return !(*this == other); }
    // Orders by name alone, byte by byte.
    bool operator<(const CICFCommand& other) const { return m_name < other.m_name; }

private:
    std::string m_name;
    ParameterList m_parameters;
};
