// Registers the reader's translators with the node factory: the column
// group translator, which gives column nodes no writer of their own, and
// the text strand translator, whose strands are written as plain text
// strands.
#pragma once

class INodeRegistrar;

class IXlatorManager {
public:
    virtual ~IXlatorManager() = default;
    virtual void initialize(INodeRegistrar* registrar) = 0;
};

class CXlatorManager : public IXlatorManager {
public:
    void initialize(INodeRegistrar* registrar) override;
};
