#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tallo {

class NationalTeamModel;

// The call-up lists of a national team, shown from a NationalTeamModel: the called-up players
// on the left, the other players of the country on the right (each with its count line), and
// the buttons between them that call up and leave out the selected players. A double click
// moves a player across. Used by the national team page and the national teams dialog.
class CNationalSquadLists : public QWidget {
    Q_OBJECT

public:
    explicit CNationalSquadLists(NationalTeamModel& model, QWidget* parent = nullptr);

    // Shows the model's lists again (after the model's country changed).
    void Refresh();

    QTreeWidget& CalledList() const { return *called_; }
    QTreeWidget& OthersList() const { return *others_; }
    QLabel& CalledLabel() const { return *calledLabel_; }
    QLabel& OthersLabel() const { return *othersLabel_; }
    QPushButton& CallUpButton() const { return *callUp_; }
    QPushButton& LeaveOutButton() const { return *leaveOut_; }

public slots:
    void CallUpSelected();
    void LeaveOutSelected();

signals:
    // Players were called up or left out.
    void squadChanged();

private:
    static std::vector<uint32_t> SelectedPersons(const QTreeWidget& list);
    void UpdateButtons();

    NationalTeamModel& model_;
    QLabel* calledLabel_;
    QLabel* othersLabel_;
    QTreeWidget* called_;
    QTreeWidget* others_;
    QPushButton* callUp_;
    QPushButton* leaveOut_;
};

} // namespace tallo
