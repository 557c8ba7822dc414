#include "editors/main_window/dlg_user_database.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/main_window/user_database_dialog.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/select_database.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgUserDatabase::CDlgUserDatabase(UserDatabaseDialogModel& model, QWidget* parent)
    : CDialogB(parent), model_(model) {
    const bool save = model.DialogKind() == UserDatabaseDialogModel::Kind::Save;
    setWindowTitle(
        ToQString(save ? DialogText("userdb.save.title") : DialogText("userdb.open.title")));
    resize(460, 420);
    auto* layout = new QVBoxLayout(this);
    list_ = new CSelectDatabase(this);
    comment_ = new QLabel(this);
    comment_->setWordWrap(true);
    comment_->setMinimumHeight(48);
    comment_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* listTitle = new QLabel(ToQString(DialogText("userdb.list")), this);
    listTitle->setBuddy(list_);
    layout->addWidget(listTitle);
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(ToQString(DialogText("userdb.comment")), this));
    layout->addWidget(comment_);
    if (save) {
        auto* form = new QFormLayout;
        newName_ = new QLineEdit(this);
        newName_->setMaxLength(32);
        newComment_ = new QLineEdit(this);
        form->addRow(ToQString(DialogText("userdb.new_name")), newName_);
        form->addRow(ToQString(DialogText("userdb.new_comment")), newComment_);
        layout->addLayout(form);
        connect(newName_, &QLineEdit::textEdited, this, [this](const QString& text) {
            model_.SetNewName(FromQString(text));
            Show();
        });
        connect(newComment_, &QLineEdit::textEdited, this,
                [this](const QString& text) { model_.SetNewComment(FromQString(text)); });
    }
    auto* buttons = new QHBoxLayout;
    delete_ = new QPushButton(ToQString(DialogText("userdb.delete")), this);
    accept_ = new QPushButton(
        ToQString(save ? DialogText("userdb.save") : DialogText("userdb.open")), this);
    auto* cancel = new QPushButton(ToQString(DialogText("framework.button.cancel")), this);
    accept_->setDefault(true);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // The selection, not the current row: a list that takes the focus makes its first row
    // current without the user choosing it.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!showing_) {
            const QList<QListWidgetItem*> selected = list_->selectedItems();
            model_.Select(selected.isEmpty() ? -1 : list_->row(selected.front()));
            Show();
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (model_.AcceptEnabled()) {
            accept();
        }
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (model_.DeleteSelected()) {
            FillList();
        }
        Show();
    });
    connect(accept_, &QPushButton::clicked, this, [this] {
        if (model_.AcceptEnabled()) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FillList();
    Show();
    if (newName_ != nullptr) {
        newName_->setFocus();
    }
}

void CDlgUserDatabase::FillList() {
    showing_ = true;
    list_->clear();
    for (const std::string& name : model_.Names()) {
        list_->AddDatabase(ToQString(name));
    }
    showing_ = false;
}

// Shows what the model holds now.
void CDlgUserDatabase::Show() {
    showing_ = true;
    list_->clearSelection();
    if (model_.SelectedRow() >= 0) {
        list_->setCurrentRow(model_.SelectedRow());
    }
    comment_->setText(ToQString(model_.Comment()));
    delete_->setEnabled(model_.DeleteEnabled());
    accept_->setEnabled(model_.AcceptEnabled());
    if (newName_ != nullptr) {
        if (newName_->text() != ToQString(model_.NewName())) {
            newName_->setText(ToQString(model_.NewName()));
        }
        if (newComment_->text() != ToQString(model_.NewComment())) {
            newComment_->setText(ToQString(model_.NewComment()));
        }
        newComment_->setEnabled(model_.NewCommentEnabled());
    }
    showing_ = false;
}

} // namespace tallo
