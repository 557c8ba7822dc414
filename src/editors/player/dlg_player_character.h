#pragma once

#include <array>

#include "editing/player/player_character_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QLabel;
class QPlainTextEdit;
class QScrollBar;

namespace tallo {

// The character page: nine scroll bars, one per character trait, each with the name of its
// value; the hint on how many may differ from normal; the notes.
class CDlgPlayerCharacter : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    explicit CDlgPlayerCharacter(QWidget* parent = nullptr);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    PlayerCharacterPageModel& Model() { return model_; }
    QScrollBar& TraitBar(int trait) const { return *bars_.at(static_cast<size_t>(trait)); }
    QLabel& TraitText(int trait) const { return *texts_.at(static_cast<size_t>(trait)); }
    QPlainTextEdit& NotesEdit() const { return *notes_; }

private:
    void ShowValues();
    void ShowTexts();

    PlayerCharacterPageModel model_;
    std::array<QScrollBar*, CPlayer::kTraitCount> bars_{};
    std::array<QLabel*, CPlayer::kTraitCount> texts_{};
    QLabel* unusual_;
    QPlainTextEdit* notes_;
    bool filling_ = false;
};

} // namespace tallo
