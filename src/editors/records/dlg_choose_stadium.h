#pragma once

#include <cstdint>
#include <optional>

#include "editors/framework/dialog_b.h"

class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;
class StadiumChooserModel;

// The stadium chooser: the countries that have stadiums on the left, the stadiums of the
// chosen country on the right (both lists grow with the window). OK, Enter or a double click
// on a stadium chooses it.
class CDlgChooseStadium : public CDialogB {
    Q_OBJECT

public:
    CDlgChooseStadium(StadiumChooserModel& model, QWidget* parent = nullptr);

    CMyListBox& CountryList() const { return *countries_; }
    CMyListBox& StadiumList() const { return *stadiums_; }
    QPushButton& OkButton() const { return *ok_; }

private:
    void FillStadiums();
    void ShowSelection();

    StadiumChooserModel& model_;
    CMyListBox* countries_ = nullptr;
    CMyListBox* stadiums_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool showing_ = false;
};

// Runs the stadium chooser on a world, preset to a stadium reference (or, when it leads to no
// stadium, to a country); the chosen stadium's reference, or nothing when cancelled.
std::optional<uint32_t> ChooseStadiumDialog(QWidget* owner, const CWorld& world, int languageSlot,
                                            int presetCountry, uint32_t presetStadium);

} // namespace tallo
