#pragma once

#include <functional>
#include <string>

#include "app/longtime_operation.h"

namespace tallo {

// Exports the current database to a world archive file. The operation shows its texts, lets
// the user cancel once the work has enabled it (the work does so when the archive file
// exists) and removes the target file when the user cancelled. The writing of the archive
// itself is the work given at construction.
class CLongtimeExportWorld : public CLongtimeOperation {
public:
    static constexpr int kTitleEntry = 829;       // export database
    static constexpr int kDescriptionEntry = 830; // the database will be exported to %s
    static constexpr int kStartStatusEntry = 831; // "Initializing exportmodule..."
    static constexpr int kClubStatusEntry = 832;  // "Exporting %s..." with the club's name

    // The archive writer: reports through the operation and polls IsCancelRequested();
    // true when the archive was written.
    using Work = std::function<bool(CLongtimeExportWorld&)>;

    CLongtimeExportWorld(std::string targetPath, Work work);

    const std::string& TargetPath() const { return targetPath_; }

protected:
    bool Execute() override;

private:
    std::string targetPath_;
    Work work_;
};

} // namespace tallo
