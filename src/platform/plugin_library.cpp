#include "platform/plugin_library.h"

#include "platform/path_resolver.h"

#include <dlfcn.h>

#include <utility>

namespace tallo {

namespace {

std::string TakeDlError(const char* fallback) {
    const char* message = dlerror();
    return message != nullptr ? message : fallback;
}

} // namespace

PluginLibrary::~PluginLibrary() {
    Close();
}

PluginLibrary::PluginLibrary(PluginLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

PluginLibrary& PluginLibrary::operator=(PluginLibrary&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool PluginLibrary::Open(const std::string& path) {
    Close();
    error_.clear();
    const std::string file = path.find('/') != std::string::npos ? ResolvePath(path) : path;
    if (file.empty()) {
        error_ = "no library named";
        return false;
    }
    dlerror(); // forget any earlier error
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error_ = TakeDlError("the library cannot be loaded");
        return false;
    }
    return true;
}

void PluginLibrary::Close() {
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

void* PluginLibrary::Symbol(const char* name) const {
    if (handle_ == nullptr || name == nullptr) {
        error_ = handle_ == nullptr ? "no library is open" : "no symbol named";
        return nullptr;
    }
    dlerror();
    void* address = dlsym(handle_, name);
    if (address == nullptr) {
        error_ = TakeDlError("the symbol has no address");
    }
    return address;
}

} // namespace tallo
