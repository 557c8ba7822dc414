#include "editing/admin/admin_mappings.h"

#include <string>
#include <utility>

#include "app/app_state.h"
#include "editing/journal/change_journal.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/command_table.h"
#include "editing/session/database_session.h"
#include "formats/base_text_file.h"
#include "formats/interface_language.h"
#include "mapping/global_tools.h"
#include "platform/prompt.h"
#include "world/world.h"

namespace tallo {

namespace {

using Outcome = ChangeJournal::Outcome;

struct MappingText {
    int command;
    const char* question; // nullptr: none
    const char* closing;
    const char* journalKey;
};

constexpr MappingText kMappings[] = {
    {Command::kAdminMapClubIds,
     "This option will map all clubs to the zelo-ids. Do you want to overwrite unrecognized "
     "club-ids with 0?",
     "Successful", "admin.journal.map_clubs"},
    {Command::kAdminMapPlayerIds,
     "This option will remap all players in the world. Do you want to overwrite unrecognized "
     "players with 0?",
     "Mapped all players in the database", "admin.journal.map_players"},
    {Command::kAdminMapFaceIds,
     "This option will map all faces of the players to the Zelo Faces. Do you want to overwrite "
     "unrecognized face-ids with 0?",
     "Finished mapping the player faces", "admin.journal.map_faces"},
    // The nickname update has no closing text of its own: its message names what it did.
    {Command::kAdminUpdateNicknames, nullptr, "", "admin.journal.nicknames"},
    {Command::kAdminMapConsoleFaces,
     "This option will remap all player faces in the world to the PS2 face ids.Do you want to "
     "overwrite unrecognized players with 0?",
     "Finished mapping the ps2 faces", "admin.journal.map_console_faces"},
};

const MappingText* FindMapping(int command) {
    for (const MappingText& text : kMappings) {
        if (text.command == command) {
            return &text;
        }
    }
    return nullptr;
}

std::string NothingLoaded(const CGlobalTools& tools, const char* file) {
    return "No IDs could be read from " + tools.InstallPath(file) + "; nothing was mapped";
}

std::string Unwritten(const std::string& path) {
    return "The report file " + path + " could not be written";
}

} // namespace

bool IsAdminMappingCommand(int command) {
    return FindMapping(command) != nullptr;
}

AdminMappingRunner::AdminMappingRunner(DatabaseSession& session, CGlobalTools& tools,
                                       const CBaseTextFile* faces, IPrompt& prompt,
                                       IMappingDialogs& dialogs, std::string caption,
                                       MappingWorkRunner runner)
    : session_(session), tools_(tools), faces_(faces), prompt_(prompt), dialogs_(dialogs),
      caption_(std::move(caption)), runner_(std::move(runner)) {}

MappingRunResult AdminMappingRunner::Run(int command) {
    MappingRunResult result;
    const MappingText* text = FindMapping(command);
    if (!IsAdminMode() || text == nullptr) {
        return result;
    }
    const bool hasFaces = faces_ != nullptr && faces_->Count() > 0;
    bool overwrite = false;
    const bool asks =
        text->question != nullptr && (command != Command::kAdminMapFaceIds || hasFaces);
    if (asks) {
        const MappingAnswer answer = dialogs_.AskYesNoCancel(text->question, caption_);
        if (answer == MappingAnswer::Cancel) {
            return result;
        }
        overwrite = answer == MappingAnswer::Yes;
    }
    const std::optional<std::string> report =
        dialogs_.ChooseReportFile(kReportFileTitle, kReportFileFilter, kReportFileExtension);
    if (!report || report->empty()) {
        return result;
    }
    result.ran = true;
    const std::string& path = *report;
    CWorld& world = session_.World();
    std::string message = text->closing;
    bool written = true;
    bool changed = false;
    const std::function<void()> work = [&] {
        switch (command) {
        case Command::kAdminMapClubIds: {
            const ClubMappingResult mapped = tools_.MapClubIds(world, path, overwrite);
            written = mapped.reportWritten;
            changed = mapped.success > 0 || (overwrite && mapped.failure > 0);
            if (!written) {
                message = "Failure while mapping";
            }
            break;
        }
        case Command::kAdminMapPlayerIds: {
            const PlayerMappingResult mapped = tools_.MapPlayerIds(world, path, overwrite);
            written = mapped.reportWritten || !mapped.ran;
            changed = mapped.ran;
            if (!mapped.ran) {
                message = NothingLoaded(tools_, CGlobalTools::kPlayerIdFile);
            }
            break;
        }
        case Command::kAdminMapFaceIds: {
            if (faces_ == nullptr) {
                message = "The special-face table is not loaded; nothing was mapped";
                break;
            }
            const FaceMappingResult mapped = tools_.MapFaces(world, *faces_, path, overwrite);
            written = mapped.reportWritten;
            changed = mapped.successful > 0 || overwrite;
            break;
        }
        case Command::kAdminUpdateNicknames: {
            const NicknameUpdateResult updated = tools_.UpdateNicknames(world, 0, path);
            written = updated.reportWritten || !updated.ran;
            changed = updated.updated > 0;
            if (!updated.ran) {
                message = NothingLoaded(tools_, CGlobalTools::kPlayerIdFile);
            } else {
                message = "Updated " + std::to_string(updated.updated) + " nicknames";
            }
            break;
        }
        default: { // the console faces
            const ConsoleFaceResult mapped = tools_.MapConsoleFaces(world, path);
            written = mapped.reportWritten || !mapped.ran;
            changed = mapped.ran;
            if (!mapped.ran) {
                message = NothingLoaded(tools_, CGlobalTools::kStarHeadsFile);
            }
            break;
        }
        }
    };
    const Outcome outcome =
        session_.Journal().Apply(text->journalKey, ChangeScope::AllCountries(), [&] {
            if (runner_) {
                runner_(CommandName(command, CurrentInterfaceLanguage()), work);
            } else {
                work();
            }
            return changed ? Outcome::Changed : Outcome::Unchanged;
        });
    result.changed = outcome == Outcome::Changed;
    if (!written) {
        message += "\n" + Unwritten(path);
    }
    result.message = message;
    prompt_.ShowMessage(message, caption_);
    return result;
}

} // namespace tallo
