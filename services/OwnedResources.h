// Owners of what the services open, so that every way out of a service
// releases it: a host file, a file descriptor, a loaded library and a
// temporary file that is removed unless it is kept.
#pragma once

#include "trx/fileservices.h"

namespace services {

inline bool isOpenHostFile(HIOFILE handle)
{
    return handle && handle != C2I_INVALID_HANDLE;
}

class OwnedHostFile {
public:
    explicit OwnedHostFile(HIOFILE handle) : handle_(handle) {}
    ~OwnedHostFile()
    {
        if (isOpenHostFile(handle_))
            handle_->rtns.close(handle_);
    }
    OwnedHostFile(const OwnedHostFile&) = delete;
    OwnedHostFile& operator=(const OwnedHostFile&) = delete;

    HIOFILE get() const { return handle_; }
    bool isOpen() const { return isOpenHostFile(handle_); }
    HIOFILE release()
    {
        const HIOFILE handle = handle_;
        handle_ = C2I_INVALID_HANDLE;
        return handle;
    }

private:
    HIOFILE handle_;
};

class OwnedDescriptor {
public:
    explicit OwnedDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~OwnedDescriptor() { close(); }
    OwnedDescriptor(const OwnedDescriptor&) = delete;
    OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }
    // 0, or -1 when closing failed; closing a closed descriptor does nothing.
    int close()
    {
        const int result = isOpen() ? ifsClose(descriptor_) : 0;
        descriptor_ = -1;
        return result;
    }

private:
    int descriptor_;
};

class OwnedLibrary {
public:
    OwnedLibrary() = default;
    ~OwnedLibrary()
    {
        if (handle_)
            libClose(handle_);
    }
    OwnedLibrary(const OwnedLibrary&) = delete;
    OwnedLibrary& operator=(const OwnedLibrary&) = delete;

    void** slot() { return &handle_; }
    void* get() const { return handle_; }

private:
    void* handle_ = nullptr;
};

// Removes the named file when it goes out of scope, unless kept. The name
// must outlive the guard.
class TemporaryFileGuard {
public:
    explicit TemporaryFileGuard(const char* name) : name_(name) {}
    ~TemporaryFileGuard()
    {
        if (name_)
            ifsUnlink(name_);
    }
    TemporaryFileGuard(const TemporaryFileGuard&) = delete;
    TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

    void keep() { name_ = nullptr; }

private:
    const char* name_;
};

} // namespace services
