#include "editing/main_window/user_database_dialog.h"

#include <utility>

#include "app/database_folders.h"
#include "formats/string_table.h"
#include "platform/prompt.h"

namespace tallo {

namespace {

constexpr int kDeleteQuestion = 814;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

} // namespace

UserDatabaseDialogModel::UserDatabaseDialogModel(Kind kind, const DatabaseFolders& folders,
                                                 IPrompt& prompt, std::string caption)
    : kind_(kind), folders_(folders), prompt_(prompt), caption_(std::move(caption)),
      names_(folders.ListForDialog()) {}

void UserDatabaseDialogModel::Select(int row) {
    SelectRow(row, false);
}

void UserDatabaseDialogModel::SelectRow(int row, bool fromName) {
    if (row < 0 || row >= static_cast<int>(names_.size())) {
        selected_ = -1;
        comment_.clear();
        return;
    }
    selected_ = row;
    const std::string& name = names_[static_cast<size_t>(row)];
    comment_ = folders_.ReadComment(name);
    if (kind_ != Kind::Save) {
        return;
    }
    if (!fromName) {
        newName_ = name;
    }
    if (comment_.empty()) {
        // No comment file: both comment fields are emptied.
        newComment_.clear();
        newCommentTyped_ = false;
    } else if (!newCommentTyped_ || newComment_.empty()) {
        newComment_ = comment_;
        newCommentTyped_ = false;
    }
}

bool UserDatabaseDialogModel::DeleteSelected() {
    if (!DeleteEnabled()) {
        return false;
    }
    const std::string name = names_[static_cast<size_t>(selected_)];
    if (!prompt_.AskYesNo(FormatString(kDeleteQuestion, name.c_str()), caption_)) {
        return false;
    }
    if (!folders_.DeleteUserDatabase(name)) {
        return false;
    }
    names_.erase(names_.begin() + selected_);
    selected_ = -1;
    comment_.clear();
    if (kind_ == Kind::Save) {
        newComment_.clear();
        newCommentTyped_ = false;
    }
    return true;
}

bool UserDatabaseDialogModel::DeleteEnabled() const {
    if (selected_ < 0) {
        return false;
    }
    return kind_ == Kind::Open || !newName_.empty();
}

bool UserDatabaseDialogModel::AcceptEnabled() const {
    if (kind_ == Kind::Open) {
        return selected_ >= 0;
    }
    return CheckDatabaseName(newName_) == DatabaseNameProblem::None;
}

std::string UserDatabaseDialogModel::ChosenName() const {
    if (kind_ == Kind::Save) {
        return newName_;
    }
    return selected_ >= 0 ? names_[static_cast<size_t>(selected_)] : std::string();
}

void UserDatabaseDialogModel::SetNewName(std::string name) {
    newName_ = std::move(name);
    if (newName_.empty()) {
        newComment_.clear();
        newCommentTyped_ = false;
        return;
    }
    if (CheckDatabaseName(newName_) != DatabaseNameProblem::None) {
        return;
    }
    for (size_t i = 0; i < names_.size(); ++i) {
        if (SameIgnoringCase(names_[i], newName_)) {
            if (selected_ != static_cast<int>(i)) {
                SelectRow(static_cast<int>(i), true);
            }
            return;
        }
    }
    selected_ = -1;
    comment_.clear();
}

void UserDatabaseDialogModel::SetNewComment(std::string comment) {
    newComment_ = std::move(comment);
    newCommentTyped_ = true;
}

} // namespace tallo
