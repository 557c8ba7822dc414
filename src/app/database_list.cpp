#include "app/database_list.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/database_folders.h"
#include "formats/string_table.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "world/world.h"

namespace tallo {

DatabaseList::DatabaseList() = default;

DatabaseList::DatabaseList(Hooks hooks) : hooks_(std::move(hooks)) {}

DatabaseList::~DatabaseList() = default;

void DatabaseList::Clear(CWorld& world) const {
    if (hooks_.clear) {
        hooks_.clear(world);
    } else {
        world.LoadCountryList();
    }
}

CWorld* DatabaseList::AddDatabase() {
    if (IsFull()) {
        return nullptr;
    }
    auto world = std::make_unique<CWorld>();
    CWorld* added = world.get();
    worlds_.push_back(std::move(world));
    current_ = added;
    Clear(*added);
    return added;
}

bool DatabaseList::SetCurrent(CWorld* world) {
    if (IndexOf(world) < 0) {
        return false;
    }
    current_ = world;
    return true;
}

bool DatabaseList::SelectDatabase(size_t position) {
    if (position >= worlds_.size()) {
        return false;
    }
    current_ = worlds_[position].get();
    return true;
}

CWorld* DatabaseList::GetDatabase(size_t position) const {
    return position < worlds_.size() ? worlds_[position].get() : nullptr;
}

int DatabaseList::IndexOf(const CWorld* world) const {
    if (world == nullptr) {
        return -1;
    }
    for (size_t i = 0; i < worlds_.size(); ++i) {
        if (worlds_[i].get() == world) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::unique_ptr<CWorld> DatabaseList::RemoveDatabase(CWorld* world) {
    const int index = IndexOf(world);
    if (index < 0) {
        return nullptr;
    }
    std::unique_ptr<CWorld> removed = std::move(worlds_[static_cast<size_t>(index)]);
    worlds_.erase(worlds_.begin() + index);
    if (current_ == world) {
        current_ = worlds_.empty() ? nullptr : worlds_.front().get();
    }
    return removed;
}

std::unique_ptr<CWorld> DatabaseList::ReplaceDatabase(CWorld* world,
                                                      std::unique_ptr<CWorld> replacement) {
    const int index = IndexOf(world);
    if (index < 0 || replacement == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWorld> replaced = std::move(worlds_[static_cast<size_t>(index)]);
    worlds_[static_cast<size_t>(index)] = std::move(replacement);
    if (current_ == world) {
        current_ = worlds_[static_cast<size_t>(index)].get();
    }
    return replaced;
}

CWorld* DatabaseList::CreateDatabase(const DatabaseFolders& folders, std::string_view name,
                                     IPrompt& prompt, const std::string& caption) {
    if (IsFull() || CheckDatabaseName(name) != DatabaseNameProblem::None) {
        return nullptr;
    }
    CWorld* previous = current_;
    CWorld* world = AddDatabase();
    if (world == nullptr) {
        return nullptr;
    }
    if (!folders.CreateDatabaseFolder(*world, name, std::string_view(), prompt, caption)) {
        RemoveDatabase(world); // destroyed here
        if (previous != nullptr) {
            current_ = previous;
        }
        return nullptr;
    }
    return world;
}

CWorld* DatabaseList::OpenDatabase(const DatabaseFolders& folders, std::string_view name) {
    if (IsFull()) {
        return nullptr;
    }
    std::optional<std::string> folder = folders.FolderOf(name);
    if (!folder || !FolderExists(*folder)) {
        return nullptr;
    }
    return OpenFolder(*folder);
}

CWorld* DatabaseList::OpenFolder(const std::string& folder) {
    CWorld* world = AddDatabase();
    if (world == nullptr) {
        return nullptr;
    }
    // A database whose folder holds no country file yet (a new one) opens empty.
    if (hooks_.load) {
        hooks_.load(*world, folder);
    } else {
        world->LoadAll(folder);
    }
    world->SetDatabaseFolder(folder);
    return world;
}

bool DatabaseList::SaveAs(const DatabaseFolders& folders, std::string_view name,
                          std::string_view comment, IPrompt& prompt, const std::string& caption) {
    if (current_ == nullptr ||
        !folders.CreateDatabaseFolder(*current_, name, comment, prompt, caption)) {
        return false;
    }
    return current_->SaveAll(&prompt);
}

bool DatabaseList::CloseCurrent(IPrompt& prompt, const std::string& caption) {
    if (worlds_.size() <= 1 || current_ == nullptr) {
        return false;
    }
    const std::string name = CurrentName();
    if (!prompt.AskYesNo(FormatString(kCloseQuestion, name.c_str()), caption)) {
        return false;
    }
    std::unique_ptr<CWorld> closed = RemoveDatabase(current_);
    current_ = worlds_.front().get();
    return closed != nullptr;
}

std::string DatabaseList::CurrentName() const {
    return current_ != nullptr ? DatabaseNameOf(current_->DatabaseFolder()) : std::string();
}

} // namespace tallo
