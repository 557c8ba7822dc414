#pragma once

#include <string>
#include <vector>

namespace tallo {

class DatabaseFolders;
class IPrompt;

// The two user database dialogs without their windows: the open dialog (CDlgSelectDatabase:
// the list, the comment of the selected database, delete and open) and the save dialog
// (CDlgNewDatabase: also the new name and the new comment). The view shows what this holds and
// passes the user's clicks and typing on.
class UserDatabaseDialogModel {
public:
    enum class Kind { Open, Save };

    // Lists the user databases as the dialog opens: a leftover scratch folder of the export is
    // removed first and never listed. Nothing is selected; delete and open (save) are off.
    UserDatabaseDialogModel(Kind kind, const DatabaseFolders& folders, IPrompt& prompt,
                            std::string caption);

    Kind DialogKind() const { return kind_; }
    const std::vector<std::string>& Names() const { return names_; }
    int SelectedRow() const { return selected_; } // -1: none
    // The comment of the selected database (empty when it has none).
    const std::string& Comment() const { return comment_; }

    // A click on an entry (-1 clears the selection): delete and open (save) are enabled and
    // the comment is read; the save dialog also takes the name into the new-name field and
    // the comment into the new-comment field, unless the user changed that field already and
    // it is not empty.
    void Select(int row);
    // Delete: question 814 with the selected name; on yes the folder goes with everything in
    // it, the entry leaves the list, nothing is selected. Open databases stay open. True when
    // deleted.
    bool DeleteSelected();

    bool DeleteEnabled() const;
    // Open (open dialog) or save (save dialog).
    bool AcceptEnabled() const;
    // The name the dialog ends with: the selected entry (open dialog) or the new name.
    std::string ChosenName() const;

    // Save dialog: the user types the new name. Empty: the new comment is off and emptied,
    // delete and save are off. Otherwise the new comment and delete are on; save is on only
    // for a name the database name check allows, and then an entry of the same name (ignoring
    // case) is selected, or the selection and the comment cleared when none matches.
    void SetNewName(std::string name);
    const std::string& NewName() const { return newName_; }
    // Save dialog: the user types the comment.
    void SetNewComment(std::string comment);
    const std::string& NewComment() const { return newComment_; }
    bool NewCommentEnabled() const { return kind_ == Kind::Save && !newName_.empty(); }

private:
    void SelectRow(int row, bool fromName);

    Kind kind_;
    const DatabaseFolders& folders_;
    IPrompt& prompt_;
    std::string caption_;
    std::vector<std::string> names_;
    int selected_ = -1;
    std::string comment_;
    bool commentFileFound_ = false;
    std::string newName_;
    std::string newComment_;
    bool newCommentTyped_ = false;
};

} // namespace tallo
