#pragma once

#include <cstdint>
#include <optional>

#include "editors/framework/dialog_b.h"

class QListWidget;
class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;
class ClubChooserModel;

// The club chooser: the countries on the left, the clubs of the chosen country on the right
// (both lists grow with the window). OK, Enter or a double click on a club chooses it.
class CDlgChooseClub : public CDialogB {
    Q_OBJECT

public:
    CDlgChooseClub(ClubChooserModel& model, QWidget* parent = nullptr);

    CMyListBox& CountryList() const { return *countries_; }
    CMyListBox& ClubList() const { return *clubs_; }
    QPushButton& OkButton() const { return *ok_; }

private:
    void FillClubs();
    void ShowSelection();

    ClubChooserModel& model_;
    CMyListBox* countries_ = nullptr;
    CMyListBox* clubs_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool showing_ = false;
};

// Runs the club chooser on a world, preset to a country and a club; the chosen club's ID, or
// nothing when cancelled.
std::optional<uint32_t> ChooseClubDialog(QWidget* owner, CWorld& world, int languageSlot,
                                         int presetCountry, uint32_t presetClub);

} // namespace tallo
