#include "platform/documents_folder.h"

#include "platform/path_resolver.h"

namespace tallo {

namespace {

std::optional<std::string> ChooseDocumentsFolder(const Environment& env) {
    for (const char* name : {"TALLO_DOCUMENTS_DIR", "XDG_DOCUMENTS_DIR"}) {
        std::optional<std::string> value = env.Get(name);
        if (value && !value->empty()) {
            return value;
        }
    }
    std::optional<std::string> home = env.Get("HOME");
    if (home && !home->empty()) {
        return *home + "/Documents";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> DocumentsFolder(const Environment& env) {
    std::optional<std::string> folder = ChooseDocumentsFolder(env);
    if (!folder || !CreateFolders(*folder)) {
        return std::nullopt;
    }
    return ResolvePath(*folder);
}

} // namespace tallo
