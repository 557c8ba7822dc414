#include "platform/install_folder.h"

#include "platform/atomic_file.h"
#include "platform/path_resolver.h"

#include "tallo_build_config.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace tallo {

namespace {

constexpr std::string_view kInstallDirKey = "INSTALL DIR";
constexpr size_t kMaxSettingsSize = 1 << 20;

std::optional<std::string> NonEmpty(const Environment& env, const std::string& name) {
    std::optional<std::string> value = env.Get(name);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

// The lines of a text, without their LF or CR LF ends.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

} // namespace

std::string SettingsFilePath(const std::string& product, const Environment& env) {
    std::string base;
    std::optional<std::string> config = NonEmpty(env, "XDG_CONFIG_HOME");
    if (config && config->front() == '/') {
        base = *config;
    } else if (std::optional<std::string> home = NonEmpty(env, "HOME")) {
        base = *home + "/.config";
    } else {
        return "";
    }
    std::string file = product;
    for (char& c : file) {
        if (c == '/') {
            c = '_';
        }
    }
    return base + "/vantor-sports/" + file + ".conf";
}

std::optional<std::string> ReadSetting(const std::string& product, std::string_view key,
                                       const Environment& env) {
    const std::string settings = SettingsFilePath(product, env);
    std::string text;
    if (settings.empty() || !ReadWholeFile(settings, text, kMaxSettingsSize)) {
        return std::nullopt;
    }
    const std::string prefix = std::string(key) + "=";
    for (const std::string& line : SplitLines(text)) {
        if (line.starts_with(prefix) && line.size() > prefix.size()) {
            return line.substr(prefix.size());
        }
    }
    return std::nullopt;
}

bool WriteSetting(const std::string& product, std::string_view key, const std::string& value,
                  const Environment& env) {
    const std::string settings = SettingsFilePath(product, env);
    if (settings.empty() || key.empty() || value.empty() ||
        key.find_first_of("=\r\n") != std::string_view::npos ||
        value.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    if (!CreateFolders(settings.substr(0, settings.rfind('/')))) {
        return false;
    }
    std::string old;
    if (FileExists(settings) && !ReadWholeFile(settings, old, kMaxSettingsSize)) {
        return false; // never replace a file we could not read
    }
    // The first line of the key takes the new value in its place; later ones would only
    // confuse a reader and are dropped.
    const std::string prefix = std::string(key) + "=";
    std::string text;
    bool written = false;
    for (const std::string& line : SplitLines(old)) {
        if (!line.starts_with(prefix)) {
            text += line + "\n";
        } else if (!written) {
            text += prefix + value + "\n";
            written = true;
        }
    }
    if (!written) {
        text += prefix + value + "\n";
    }
    return WriteFileAtomically(settings, text);
}

std::optional<std::string> LookUpInstallDir(const std::string& product, const Environment& env) {
    if (std::optional<std::string> dir = NonEmpty(env, "TALLO_INSTALL_DIR")) {
        return dir;
    }
    return ReadSetting(product, kInstallDirKey, env);
}

bool WriteInstallDirSetting(const std::string& product, const std::string& dir,
                            const Environment& env) {
    return WriteSetting(product, kInstallDirKey, dir, env);
}

std::string InstalledPluginFolder(const std::string& programFolder) {
    if (programFolder.empty()) {
        return "";
    }
    std::string folder = (std::filesystem::path(programFolder) / TALLO_PLUGIN_FOLDER_FROM_PROGRAMS)
                             .lexically_normal()
                             .string();
    if (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

} // namespace tallo
