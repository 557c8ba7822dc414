#pragma once

#include <vector>

#include "editors/framework/dlg_error_message.h"

namespace tallo {

// The error window of the squad list's confirmation: the messages of the club's faults, one a
// line, with "OK" (string 625: back to the squad list to correct it) and "Не важно" (string
// 624: close the squad list and keep the squad as it was). Escape and the window's close
// button go back to the squad list, so nothing is thrown away by accident.
class CDlgPlayerlistClubFaults : public CDlgErrorMessage {
    Q_OBJECT

public:
    enum Answer { Stay = 0, NeverMind = 2 };

    CDlgPlayerlistClubFaults(const std::vector<int>& messages, QWidget* parent = nullptr);

    QPushButton& StayButton() const { return *stay_; }
    QPushButton& NeverMindButton() const { return *neverMind_; }

public slots:
    void accept() override;
    void reject() override;

private:
    QPushButton* stay_ = nullptr;
    QPushButton* neverMind_ = nullptr;
};

} // namespace tallo
