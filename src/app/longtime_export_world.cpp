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
    const bool written = work_(*this);
    if (IsCancelRequested()) {
        // A cancelled export leaves no archive behind: the partly written file goes.
        std::error_code error;
        std::filesystem::remove(ResolvePath(targetPath_), error);
    }
    return written;
}

} // namespace tallo
