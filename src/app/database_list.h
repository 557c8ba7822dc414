#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CWorld;
class DatabaseFolders;
class IPrompt;

// The open databases: at most six worlds, in the order they were opened, one of them current.
// The editors work on the current one. The list owns its worlds.
//
// The file menu's database commands are here in headless form (the dialogs that ask for a name
// or a database are the caller's): create, open, save under a name, close and switch.
class DatabaseList {
public:
    static constexpr size_t kMaxDatabases = 6;
    // "Close database %s? All unsaved information will be lost."
    static constexpr int kCloseQuestion = 859;

    // How a new world is cleared (its 206 countries made afresh from the country list) and how
    // a database folder is loaded into a cleared world. Without them a world is cleared with
    // CWorld::LoadCountryList() and loaded with CWorld::LoadAll.
    struct Hooks {
        std::function<void(CWorld&)> clear;
        std::function<bool(CWorld&, const std::string& folder)> load;
    };

    DatabaseList();
    explicit DatabaseList(Hooks hooks);
    ~DatabaseList();
    DatabaseList(const DatabaseList&) = delete;
    DatabaseList& operator=(const DatabaseList&) = delete;

    size_t Count() const { return worlds_.size(); }
    // Six open: creating, opening and importing do nothing.
    bool IsFull() const { return worlds_.size() >= kMaxDatabases; }

    // A new, empty world: appended, made current, cleared and returned while fewer than six are
    // open; nullptr (and nothing changed) otherwise.
    CWorld* AddDatabase();
    // Makes a world of the list current; false (nothing changed) for one not in the list.
    bool SetCurrent(CWorld* world);
    CWorld* GetCurrent() const { return current_; }
    // Makes the database at `position` (from 0) current; false, nothing changed, when the
    // position is not below the count.
    bool SelectDatabase(size_t position);
    CWorld* GetDatabase(size_t position) const;
    // Position of a world in the list, -1 when it is not there.
    int IndexOf(const CWorld* world) const;
    // Takes a world out of the list and hands it over; when it was current, the first database
    // of the list becomes current (none when the list is empty). nullptr when not in the list.
    std::unique_ptr<CWorld> RemoveDatabase(CWorld* world);
    // Puts `replacement` at the place of `world` in the list (current when `world` was) and
    // hands `world` over. nullptr, and nothing changed, when `world` is not in the list or
    // there is no replacement.
    std::unique_ptr<CWorld> ReplaceDatabase(CWorld* world, std::unique_ptr<CWorld> replacement);

    // Commands -------------------------------------------------------------------------------

    // New: a new database `name` (an empty world whose folder holds only its comment file)
    // becomes current. nullptr when six are open or the folder cannot be made (the name is
    // refused, the user keeps an existing one, ...); the current database is then unchanged.
    CWorld* CreateDatabase(const DatabaseFolders& folders, std::string_view name, IPrompt& prompt,
                           const std::string& caption);
    // Open: the user database `name` is loaded into a new world, which becomes current.
    // nullptr when six are open or there is no such database.
    CWorld* OpenDatabase(const DatabaseFolders& folders, std::string_view name);
    // Opens a database folder given by its path (the game's own database at start-up).
    CWorld* OpenFolder(const std::string& folder);
    // Save As: the current database gets the folder `name` (question 863 when it exists) and is
    // saved there. False when the folder cannot be made or a file could not be written (the
    // save reports message 798 through the prompt).
    bool SaveAs(const DatabaseFolders& folders, std::string_view name, std::string_view comment,
                IPrompt& prompt, const std::string& caption);
    // Close: only while more than one database is open, and only after yes to question 859;
    // the current database is destroyed and the first one becomes current. The list never
    // shrinks below one this way.
    bool CloseCurrent(IPrompt& prompt, const std::string& caption);

    // The current database's name (the last component of its folder), for the window title.
    std::string CurrentName() const;

private:
    void Clear(CWorld& world) const;

    Hooks hooks_;
    std::vector<std::unique_ptr<CWorld>> worlds_;
    CWorld* current_ = nullptr;
};

} // namespace tallo
