#pragma once

#include <string>

namespace tallo {

// A shared library loaded at run time (the renderer plug-in). The library is closed when the
// object goes away or another one is opened through it.
class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    PluginLibrary(PluginLibrary&& other) noexcept;
    PluginLibrary& operator=(PluginLibrary&& other) noexcept;

    // A path with a "/" is resolved case-insensitively; a bare name is looked up the way the
    // system looks up libraries. False on failure, with the reason in LastError().
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    // The address of an exported symbol, or nullptr (the reason then in LastError()).
    void* Symbol(const char* name) const;
    std::string LastError() const { return error_; }

private:
    void* handle_ = nullptr;
    mutable std::string error_;
};

} // namespace tallo
