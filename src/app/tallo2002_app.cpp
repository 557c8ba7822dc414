#include "app/tallo2002_app.h"

#include <clocale>
#include <ostream>

#include "app/app_state.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/documents_folder.h"
#include "platform/environment.h"
#include "platform/install_folder.h"
#include "platform/instance_lock.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"

namespace tallo {

namespace {

constexpr int kCaptionString = 899;
constexpr int kProductString = 898;
constexpr int kUnsupportedFolderString = 888;
constexpr int kIncompleteString = 896;
constexpr int kNotInstalledString = 900;
constexpr int kFolderTooLongString = 901;
constexpr int kPathArgumentTooLongString = 902;

constexpr const char* kGameArchive = "data/zdata_06.big";

// Arguments with which the splash screen is never shown (the program started by another).
bool SplashAllowed(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "/Embedding" || argument == "-Embedding" || argument == "/Automation" ||
            argument == "-Automation") {
            return false;
        }
    }
    return true;
}

} // namespace

CTallo2002App::CTallo2002App(AppServices services) : services_(std::move(services)) {
    if (services_.environment == nullptr) {
        services_.environment = &SystemEnvironment::Instance();
    }
    lock_ = std::make_unique<InstanceLock>(kMutexName, *services_.environment);
}

CTallo2002App::~CTallo2002App() = default;

bool CTallo2002App::End(Outcome outcome) {
    // The lock is held for the whole of start-up and whatever road it takes.
    lock_->Release();
    outcome_ = outcome;
    return false;
}

bool CTallo2002App::InitInstance(const std::vector<std::string>& arguments) {
    caption_ = LoadString(kCaptionString);

    if (!lock_->TryAcquire()) {
        return End(Outcome::AlreadyRunning);
    }
    if (!FindInstallFolder(LoadString(kProductString))) {
        services_.prompt->ShowMessage(LoadString(kNotInstalledString), caption_);
        return End(Outcome::NotInstalled);
    }
    if (HasUnsupportedFolderCharacters()) {
        services_.prompt->ShowMessage(LoadString(kUnsupportedFolderString),
                                      LoadString(kProductString));
        return End(Outcome::UnsupportedFolder);
    }
    if (CurrentFolder().size() >= FolderTable::kBufferSize) {
        services_.prompt->ShowMessage(LoadString(kFolderTooLongString), LoadString(kProductString));
        return End(Outcome::FolderTooLong);
    }
    if (!FileExists(kGameArchive)) {
        services_.prompt->ShowMessage(LoadString(kIncompleteString), LoadString(kProductString));
        return End(Outcome::Incomplete);
    }
    splashEnabled_ = SplashAllowed(arguments);

    options_ = ParseCommandLine(arguments);
    if (options_.admin) {
        AppState::Instance().SetAdminMode(true);
    }

    if (options_.buildRequested) {
        if (options_.folderRefused) {
            // Building somewhere else than the folder asked for would surprise the user.
            services_.prompt->ShowMessage(LoadString(kPathArgumentTooLongString), caption_);
            return End(Outcome::FolderTooLong);
        }
        RunBuildMode();
        return End(Outcome::Built);
    }

    // Sorted lists follow the user's language.
    std::setlocale(LC_COLLATE, "");
    if (services_.runMainWindow) {
        services_.runMainWindow();
    }
    return End(Outcome::EditorClosed);
}

void CTallo2002App::RunBuildMode() {
    std::ostream& out = *services_.out;
    out << "Build Master.dat : Language " << options_.language << "\n";
    out << "Path is " << options_.folder << "\n";
    out.flush();
    if (!options_.folder.empty()) {
        // A folder that does not exist leaves the current folder as it is.
        ChangeFolder(options_.folder);
    }
    if (services_.runMasterBuild) {
        services_.runMasterBuild(options_.language, options_.optionBits);
    }
    out << "Ready\n";
    out.flush();
}

int CTallo2002App::ExitInstance() {
    lock_->Release();
    return 1;
}

bool CTallo2002App::FindInstallFolder(const std::string& product) {
    std::optional<std::string> folder = LookUpInstallDir(product, *services_.environment);
    if (!folder) {
        return false;
    }
    ChangeFolder(*folder);
    return true;
}

bool CTallo2002App::HasUnsupportedFolderCharacters() const {
    const CodePage page = ActiveCodePage();
    if (!CanEncode(CurrentFolder(), page)) {
        return true;
    }
    std::optional<std::string> documents = DocumentsFolder(*services_.environment);
    return documents && !CanEncode(*documents, page);
}

} // namespace tallo
