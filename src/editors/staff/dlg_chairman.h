#pragma once

#include "editing/staff/chairman_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QLabel;
class QScrollBar;

namespace tallo {

struct PersonEditContext;

// The chairman page: the board's stability as a vertical bar from 0 to 4 with its text; a move
// of the bar is stored at once.
class CDlgChairman : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgChairman(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override {}

    ChairmanPageModel& Model() { return model_; }
    QScrollBar& StabilityBar() const { return *bar_; }
    QLabel& StabilityText() const { return *text_; }

private:
    ChairmanPageModel model_;
    QScrollBar* bar_ = nullptr;
    QLabel* text_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
