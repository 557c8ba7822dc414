#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/build_options.h"

namespace tallo {

class Environment;
class IPrompt;
class InstanceLock;

// What the application object needs from outside: where messages go, the environment the
// installation is looked up in, and the two roads it can take.
struct AppServices {
    IPrompt* prompt = nullptr;
    const Environment* environment = nullptr;
    std::ostream* out = nullptr; // build mode's progress lines
    std::function<void(int32_t language, uint32_t optionBits)> runMasterBuild;
    std::function<void()> runMainWindow;
};

// The application: makes sure only one editor runs, moves into the installation folder,
// checks the installation, reads the command line and then either builds the game database
// without a window or runs the main window. InitInstance returns false on every road and
// ExitInstance gives the exit code, 1 on every road.
class CTallo2002App {
public:
    static constexpr const char* kMutexName = "RVN EDITOR MUTEX";

    // How the last InitInstance ended.
    enum class Outcome {
        NotRun,
        AlreadyRunning,    // another editor holds the lock: silent end
        NotInstalled,      // no installation folder found (message 900)
        UnsupportedFolder, // a folder the 8-bit code page cannot spell (message 888)
        FolderTooLong,     // the installation folder or the "path" folder is too long
        Incomplete,        // data/zdata_06.big missing (message 896)
        Built,             // build mode ran
        EditorClosed,      // the main window ran and closed
    };

    explicit CTallo2002App(AppServices services);
    ~CTallo2002App();

    bool InitInstance(const std::vector<std::string>& arguments);
    int ExitInstance();

    // Looks the installation folder up and makes it the current folder. True exactly when
    // the folder was found, whether or not changing into it worked.
    bool FindInstallFolder(const std::string& product);
    // True when the current folder or the documents folder has characters that the
    // active 8-bit code page cannot spell.
    bool HasUnsupportedFolderCharacters() const;

    const std::string& MessageCaption() const { return caption_; }
    const BuildOptions& Options() const { return options_; }
    Outcome LastOutcome() const { return outcome_; }
    bool SplashEnabled() const { return splashEnabled_; }

private:
    bool End(Outcome outcome);
    void RunBuildMode();

    AppServices services_;
    std::unique_ptr<InstanceLock> lock_;
    std::string caption_;
    BuildOptions options_;
    Outcome outcome_ = Outcome::NotRun;
    bool splashEnabled_ = false;
};

} // namespace tallo
