#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tallo {

class CBaseTextFile;
class CGlobalTools;
class DatabaseSession;
class IPrompt;

// The answer to a mapping's question: Yes overwrites what is not found with 0, No keeps it,
// Cancel ends the command.
enum class MappingAnswer { Yes, No, Cancel };

// The two dialogs of a mapping run that the prompt does not have.
class IMappingDialogs {
public:
    virtual ~IMappingDialogs() = default;
    virtual MappingAnswer AskYesNoCancel(const std::string& question,
                                         const std::string& caption) = 0;
    // The report file; nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseReportFile(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& extension) = 0;
};

// Runs the mapping work, behind a progress window in the editor; returns when it has ended.
using MappingWorkRunner =
    std::function<void(const std::string& title, const std::function<void()>& work)>;

// The report dialog's texts.
inline constexpr const char* kReportFileTitle = "Select report outputfile";
inline constexpr const char* kReportFileFilter = "Text files|*.txt|All files|*.*||";
inline constexpr const char* kReportFileExtension = "txt";

// Whether an admin command is one of the ID mappings (club, player, face and console face
// IDs, the nickname update).
bool IsAdminMappingCommand(int command);

struct MappingRunResult {
    bool ran = false;     // the mapping ran (not cancelled, admin flag set)
    bool changed = false; // one journal entry was recorded
    std::string message;  // the closing message shown
};

// The ID mapping commands of the admin menu on the current database: the question (Yes, No,
// Cancel; Yes overwrites what is not found with 0), the report file, the mapping itself
// through the session's journal (one entry, so that it can be undone), its report written
// to the chosen file and the closing message.
//
// The nickname update has no question (it has nothing to overwrite) and visits every
// country. When a report cannot be written the closing message says so; a mapping whose ID
// table is empty says that nothing was mapped instead of its closing message.
class AdminMappingRunner {
public:
    // `faces`: the special-face table of the face mapping (nullptr: none).
    AdminMappingRunner(DatabaseSession& session, CGlobalTools& tools, const CBaseTextFile* faces,
                       IPrompt& prompt, IMappingDialogs& dialogs, std::string caption,
                       MappingWorkRunner runner = {});

    MappingRunResult Run(int command);

private:
    DatabaseSession& session_;
    CGlobalTools& tools_;
    const CBaseTextFile* faces_;
    IPrompt& prompt_;
    IMappingDialogs& dialogs_;
    std::string caption_;
    MappingWorkRunner runner_;
};

} // namespace tallo
