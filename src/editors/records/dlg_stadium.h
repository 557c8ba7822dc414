#pragma once

#include <array>

#include "editing/records/stadium_editor_model.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallo {

class CSpinEditCtrl;

// The stadium editor: name, city, the real-stadium model and one row per stand with its seats,
// terraces and VIP places, the most it may hold, and its season-ticket and away marks; below
// them the capacity class and the total. Every change of the model or of a count brings the
// stands down to their limits and shows the counts again. OK refuses a stand marked for both
// blocks (the dialog stays open with everything typed); OK writes the stadium, cancel leaves
// it alone.
class CDlgStadium : public CDialogB {
    Q_OBJECT

public:
    CDlgStadium(QWidget* parent, Stadium& stadium);

    StadiumEditorModel& Model() { return model_; }
    QLineEdit& NameEdit() const { return *name_; }
    QLineEdit& CityEdit() const { return *city_; }
    // Entry 0 is "no model", entry i + 1 the model list's entry i.
    QComboBox& ModelBox() const { return *models_; }
    CSpinEditCtrl& PlaceField(int stand, StadiumEditorModel::Places kind) const;
    QCheckBox& SeasonTicketBox(int stand) const { return *seasonTicket_[stand]; }
    QCheckBox& AwayBox(int stand) const { return *away_[stand]; }
    QLabel& TotalText() const { return *total_; }
    QPushButton& OkButton() const { return *ok_; }

public slots:
    void accept() override;

private:
    struct PlaceRow {
        std::array<CSpinEditCtrl*, 3> fields{};
        QLabel* limit = nullptr;
    };

    void ChooseModel(int boxIndex);
    void PlacesEdited(int stand, StadiumEditorModel::Places kind);
    // Shows the model's counts (fields already showing their number are left as they are, so
    // that typing is not disturbed), the limits, the class and the total.
    void ShowPlaces();

    Stadium& stadium_;
    StadiumEditorModel model_;
    QLineEdit* name_ = nullptr;
    QLineEdit* city_ = nullptr;
    QComboBox* models_ = nullptr;
    std::array<PlaceRow, Stadium::kStandCount> rows_{};
    std::array<QCheckBox*, Stadium::kStandCount> seasonTicket_{};
    std::array<QCheckBox*, Stadium::kStandCount> away_{};
    QLabel* class_ = nullptr;
    QLabel* total_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Opens the stadium editor on `stadium`, which changes only on OK; true then. Stadium records
// hold one name for all languages; `languageSlot` is taken for the editors' common form.
bool RunStadiumEditor(QWidget* owner, Stadium& stadium, int languageSlot);

} // namespace tallo
