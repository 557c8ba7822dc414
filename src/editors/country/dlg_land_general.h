#pragma once

#include <array>
#include <initializer_list>

#include "editing/country/country_general_page_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"
#include "formats/dialog_text.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace tallo {

class CSpinEditCtrl;

// The general data page of the country settings editor, in three columns of groups: the
// country, its languages and association president; the reporters, climate, stadium and
// transfer settings and the generated players; the national team's records, the settings
// known only by a letter and the notes.
class CDlgLandGeneral : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandGeneral(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    CountryGeneralPageModel& Model() { return model_; }
    QLineEdit& TextEdit(CountryGeneralPageModel::Text text) const {
        return *texts_.at(static_cast<size_t>(text));
    }
    // The spin of a number shown as a spin (null for those shown as a list or the rating).
    QSpinBox* NumberSpin(CountryGeneralPageModel::Number number) const {
        return numbers_.at(static_cast<size_t>(number));
    }
    // The list of a number shown as a list (climate, movement, the two transfer periods).
    QComboBox* NumberBox(CountryGeneralPageModel::Number number) const {
        return numberBoxes_.at(static_cast<size_t>(number));
    }
    CSpinEditCtrl& RatingSpin() const { return *rating_; }
    QComboBox& LanguageBox(int box) const { return *languages_.at(static_cast<size_t>(box)); }
    QSpinBox& ShareSpin(int box) const { return *shares_.at(static_cast<size_t>(box)); }
    QLabel& ShareTotal() const { return *shareTotal_; }
    QComboBox& StadiumBox() const { return *stadium_; }
    QCheckBox& FlagBox(CountryGeneralPageModel::Flag flag) const {
        return *flags_.at(static_cast<size_t>(flag));
    }
    QPlainTextEdit& NotesEdit() const { return *notes_; }

private:
    QWidget* BuildCountryColumn();
    QWidget* BuildSettingsColumn();
    QWidget* BuildValuesColumn();
    QSpinBox* AddNumberSpin(CountryGeneralPageModel::Number number, QWidget* parent);
    QComboBox* AddNumberBox(CountryGeneralPageModel::Number number, QWidget* parent,
                            std::initializer_list<DialogTextKey> keys);
    QLineEdit* AddTextEdit(CountryGeneralPageModel::Text text, QWidget* parent);

    void ShowValues();
    void ShowShares();
    void ShowBirthDate();
    void OnDateEdited();

    CountryGeneralPageModel model_;
    QLabel* name_ = nullptr;
    QLabel* abbreviation_ = nullptr;
    std::array<QLineEdit*, CountryGeneralPageModel::kTextCount> texts_{};
    std::array<QSpinBox*, CountryGeneralPageModel::kNumberCount> numbers_{};
    std::array<QComboBox*, CountryGeneralPageModel::kNumberCount> numberBoxes_{};
    CSpinEditCtrl* rating_ = nullptr;
    std::array<QComboBox*, CountryGeneralPageModel::kLanguageBoxes> languages_{};
    std::array<QSpinBox*, CountryGeneralPageModel::kLanguageBoxes> shares_{};
    QLabel* shareTotal_ = nullptr;
    CSpinEditCtrl* day_ = nullptr;
    CSpinEditCtrl* month_ = nullptr;
    CSpinEditCtrl* year_ = nullptr;
    QLabel* age_ = nullptr;
    QComboBox* stadium_ = nullptr;
    std::array<QCheckBox*, CountryGeneralPageModel::kFlagCount> flags_{};
    QPlainTextEdit* notes_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
