#include "app/longtime_import_world.h"

#include <utility>

#include "platform/prompt.h"

namespace tallo {

std::string ImportDisplayPath(const std::string& path) {
    std::string shown;
    shown.reserve(path.size());
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '/') {
            shown += '\\';
        } else if (c >= 'a' && c <= 'z') {
            shown += static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < path.size()) {
            // U+00E0..U+00FE are the small letters of U+00C0..U+00DE, 0x20 apart, except
            // U+00F7 (the division sign). U+00FF has its capital elsewhere and stays.
            unsigned char next = static_cast<unsigned char>(path[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                next = static_cast<unsigned char>(next - 0x20);
            }
            shown += static_cast<char>(c);
            shown += static_cast<char>(next);
            ++i;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

CLongtimeImportWorld::CLongtimeImportWorld(std::string sourcePath, bool askFirst, IPrompt& prompt,
                                           std::string messageCaption, Work work)
    : sourcePath_(std::move(sourcePath)), askFirst_(askFirst), prompt_(prompt),
      messageCaption_(std::move(messageCaption)), work_(std::move(work)) {
    SetTitle(kTitleEntry);
    SetDescription(kDescriptionEntry, ImportDisplayPath(sourcePath_).c_str());
    SetStatus(kStartStatusEntry);
    EnableCancel(false);
}

bool CLongtimeImportWorld::BeforeRun() {
    // Asked before the worker starts: nothing of the database changes without a yes.
    return !askFirst_ || prompt_.AskYesNo(LoadString(kConfirmEntry), messageCaption_);
}

bool CLongtimeImportWorld::Execute() {
    if (!work_) {
        SetFailureText("the world archive import is not available");
        return false;
    }
    return work_(*this);
}

} // namespace tallo
