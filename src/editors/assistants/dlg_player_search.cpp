#include "editors/assistants/dlg_player_search.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/assistants/search_criteria.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

// The criteria are folded into 128-byte buffers: longer patterns would be cut.
constexpr int kMaxPatternLength = 127;

QLineEdit* PatternEdit(const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(RecordToQString(text), parent);
    edit->setMaxLength(kMaxPatternLength);
    edit->setMinimumWidth(220);
    return edit;
}

} // namespace

CDlgPlayerSearch::CDlgPlayerSearch(SearchCriteria& criteria, QWidget* parent)
    : CDialogB(parent), criteria_(criteria) {
    setWindowTitle(ToQString(DialogText("search.title")));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    firstName_ = PatternEdit(criteria.firstName, this);
    surname_ = PatternEdit(criteria.surname, this);
    nickname_ = PatternEdit(criteria.nickname, this);
    form->addRow(ToQString(DialogText("search.first_name")), firstName_);
    form->addRow(ToQString(DialogText("search.surname")), surname_);
    form->addRow(ToQString(DialogText("search.nickname")), nickname_);
    layout->addLayout(form);
    auto* hint = new QLabel(ToQString(DialogText("search.hint")), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(ToQString(DialogText("framework.button.ok")),
                                         QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQString(DialogText("framework.button.cancel")),
                       QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgPlayerSearch::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgPlayerSearch::reject);
    surname_->setFocus();
    surname_->selectAll();
}

void CDlgPlayerSearch::accept() {
    criteria_.firstName = QStringToRecord(firstName_->text());
    criteria_.surname = QStringToRecord(surname_->text());
    criteria_.nickname = QStringToRecord(nickname_->text());
    CDialogB::accept();
}

} // namespace tallo
