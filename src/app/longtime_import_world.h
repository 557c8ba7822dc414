#pragma once

#include <functional>
#include <string>

#include "app/longtime_operation.h"

namespace tallo {

class IPrompt;

// The source path as the import's description shows it: every "/" turned into "\" and the
// text upper-cased, accented Latin letters (umlauts) included. The path is UTF-8.
std::string ImportDisplayPath(const std::string& path);

// Imports a world archive into the current database. With "ask first" the user confirms
// (entry 882) on the calling thread before anything is touched; cancelling stays disabled
// throughout, since a half-done import would leave a mixed database. Reading the archive is
// the work given at construction.
class CLongtimeImportWorld : public CLongtimeOperation {
public:
    static constexpr int kTitleEntry = 825;       // import database
    static constexpr int kDescriptionEntry = 826; // database %s will be imported
    static constexpr int kStartStatusEntry = 827; // "Initializing importmodule..."
    static constexpr int kImportingEntry = 828;   // importing
    static constexpr int kConfirmEntry = 882;     // importing overwrites everything; continue?

    // The archive reader; true when the archive was imported.
    using Work = std::function<bool(CLongtimeImportWorld&)>;

    // `prompt` and `messageCaption` serve the question of `askFirst`; the prompt must outlive
    // the operation.
    CLongtimeImportWorld(std::string sourcePath, bool askFirst, IPrompt& prompt,
                         std::string messageCaption, Work work);

    const std::string& SourcePath() const { return sourcePath_; }
    bool AskFirst() const { return askFirst_; }

protected:
    bool BeforeRun() override;
    bool Execute() override;

private:
    std::string sourcePath_;
    bool askFirst_;
    IPrompt& prompt_;
    std::string messageCaption_;
    Work work_;
};

} // namespace tallo
