#include "editors/player/dlg_playerlist_club_faults.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "editors/framework/qt_text.h"

namespace tallo {

CDlgPlayerlistClubFaults::CDlgPlayerlistClubFaults(const std::vector<int>& messages,
                                                   QWidget* parent)
    : CDlgErrorMessage(parent, 622, 0) {
    for (int message : messages) {
        AddLine(message);
    }
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        stay_ = buttons->button(QDialogButtonBox::Ok);
        neverMind_ = buttons->button(QDialogButtonBox::Cancel);
        stay_->setText(NumberedText(625));
        neverMind_->setText(NumberedText(624));
        // "Не важно" is a choice of its own, not the cancel of the window.
        buttons->disconnect(this);
        connect(buttons, &QDialogButtonBox::clicked, this, [this](QAbstractButton* button) {
            if (button == stay_) {
                done(Stay);
            } else if (button == neverMind_) {
                done(NeverMind);
            }
        });
        stay_->setDefault(true);
    }
    Refresh();
}

void CDlgPlayerlistClubFaults::accept() {
    done(Stay);
}

void CDlgPlayerlistClubFaults::reject() {
    done(Stay);
}

} // namespace tallo
