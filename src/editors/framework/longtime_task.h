#pragma once

#include <functional>
#include <string>

#include "app/longtime_operation.h"

namespace tallo {

// Long work given as a function, for the jobs that have no operation class of their own
// (loading the databases at start, say). The texts are set before the run; the work reports
// through the task and polls IsCancelRequested() when it enables cancelling.
class CLongtimeTask : public CLongtimeOperation {
public:
    using Work = std::function<bool(CLongtimeTask&)>;

    CLongtimeTask(const std::string& title, const std::string& description, Work work);

protected:
    bool Execute() override;

private:
    Work work_;
};

} // namespace tallo
