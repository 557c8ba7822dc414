#include "editors/framework/longtime_task.h"

#include <utility>

namespace tallo {

CLongtimeTask::CLongtimeTask(const std::string& title, const std::string& description, Work work)
    : work_(std::move(work)) {
    SetTitle(title);
    SetDescription(description);
    EnableCancel(false);
}

bool CLongtimeTask::Execute() {
    if (!work_) {
        SetFailureText("no work was given");
        return false;
    }
    return work_(*this);
}

} // namespace tallo
