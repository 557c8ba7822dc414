#include "app/longtime_export_world.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/path_resolver.h"

namespace tallo {

CLongtimeExportWorld::CLongtimeExportWorld(std::string targetPath, Work work)
    : targetPath_(std::move(targetPath)), work_(std::move(work)) {
    SetTitle(kTitleEntry);
    SetDescription(kDescriptionEntry, targetPath_.c_str());
    SetStatus(kStartStatusEntry);
    // Cancelling stays disabled until the work has created the archive file.
    EnableCancel(false);
}

bool CLongtimeExportWorld::Execute() {
    if (!work_) {
        SetFailureText("the world archive export is not available");
        return false;
    }
    // An archive of the same name that was there before belongs to the user: the archive
    // writer replaces it only when it commits, so a cancelled export must not delete it.
    const bool existedBefore = FileExists(targetPath_);
    const bool written = work_(*this);
    if (IsCancelRequested() && !existedBefore) {
        // A cancelled export leaves no new archive behind.
        std::error_code error;
        std::filesystem::remove(ResolvePath(targetPath_), error);
    }
    return written;
}

} // namespace tallo
