#pragma once

#include <memory>
#include <optional>

#include "editing/common/record_choosers.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tallo {

class CMyListBox;
class CWorld;
class PersonChooserModel;

// The person chooser (CDlgPersonSelect): a country box, a club box and the persons the club
// lists; OK (or a double click) gives the chosen person and his club. Preset as the model is.
class CDlgPersonSelect : public CDialogB {
    Q_OBJECT

public:
    // Takes the model (a PersonChooserModel or the player chooser's), preset already.
    CDlgPersonSelect(std::unique_ptr<PersonChooserModel> model, QWidget* parent = nullptr);
    ~CDlgPersonSelect() override;

    PersonChooserModel& Model() const { return *model_; }
    QComboBox& CountryBox() const { return *countries_; }
    QComboBox& ClubBox() const { return *clubs_; }
    CMyListBox& List() const { return *list_; }
    QPushButton& OkButton() const { return *ok_; }

    // The chosen person after OK.
    std::optional<IRecordChoosers::ChosenPerson> Chosen() const;

protected:
    // The list's caption and columns (the player chooser has five).
    void SetListCaption(const QString& caption);
    void SetListColumns(int columns);

private:
    void ShowCountries();
    void ShowClubs();
    void ShowPersons();
    void UpdateOk();

    std::unique_ptr<PersonChooserModel> model_;
    QComboBox* countries_;
    QComboBox* clubs_;
    QLabel* listCaption_;
    CMyListBox* list_;
    QPushButton* ok_;
    bool showing_ = false;
};

// Opens the person chooser on `world` preset to a country, a club and a person; the chosen
// person and his club, nothing when cancelled.
std::optional<IRecordChoosers::ChosenPerson> ChoosePersonDialog(QWidget* parent, CWorld& world,
                                                                int languageSlot, int presetCountry,
                                                                uint32_t presetClub,
                                                                uint32_t presetPerson);

} // namespace tallo
