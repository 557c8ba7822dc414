#include "editors/records/inter_comp_rows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "editing/records/inter_comp_model.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"

namespace tallo {

InterCompNameRow AddInterCompNameRow(QGridLayout& grid, int row, int cup, InterCompModel& model,
                                     QWidget* parent) {
    InterCompNameRow fields;
    grid.addWidget(new QLabel(ToQString(InterCompModel::CupTitle(cup)), parent), row, 0);
    fields.name = new QLineEdit(ToQString(model.Name(cup)), parent);
    fields.name->setMaxLength(static_cast<int>(InterCompModel::kNameLimit));
    fields.name->setCursorPosition(0);
    fields.shortName = new QLineEdit(ToQString(model.ShortName(cup)), parent);
    fields.shortName->setMaxLength(static_cast<int>(InterCompModel::kShortNameLimit));
    fields.shortName->setCursorPosition(0);
    grid.addWidget(fields.name, row, 1);
    grid.addWidget(fields.shortName, row, 2);
    QObject::connect(fields.name, &QLineEdit::textEdited, parent,
                     [&model, cup](const QString& text) { model.SetName(cup, FromQString(text)); });
    QObject::connect(
        fields.shortName, &QLineEdit::textEdited, parent,
        [&model, cup](const QString& text) { model.SetShortName(cup, FromQString(text)); });
    return fields;
}

void AddInterCompNameHeader(QGridLayout& grid, int row, QWidget* parent) {
    grid.addWidget(new QLabel(ToQString(DialogText("intercomp.name")), parent), row, 1);
    grid.addWidget(new QLabel(ToQString(DialogText("intercomp.short_name")), parent), row, 2);
    grid.setColumnStretch(1, 3);
    grid.setColumnStretch(2, 2);
}

void InterCompReferenceRow::Show(const std::string& utf8) const {
    text->setText(utf8.empty() ? ToQString(DialogText("intercomp.none")) : ToQString(utf8));
    clear->setEnabled(!utf8.empty());
}

InterCompReferenceRow AddInterCompReferenceRow(QGridLayout& grid, int row, const QString& label,
                                               QWidget* parent) {
    InterCompReferenceRow reference;
    grid.addWidget(new QLabel(label, parent), row, 0);
    reference.text = new QLabel(parent);
    reference.text->setMinimumWidth(220);
    reference.text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(reference.text, row, 1);
    reference.choose = new QPushButton(ToQString(DialogText("intercomp.choose")), parent);
    reference.clear = new QPushButton(ToQString(DialogText("intercomp.clear")), parent);
    grid.addWidget(reference.choose, row, 2);
    grid.addWidget(reference.clear, row, 3);
    grid.setColumnStretch(1, 1);
    return reference;
}

QLabel* MakeInterCompNote(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setWordWrap(true);
    return note;
}

QString InterCompChoiceNote(const InterCompModel& model, int title) {
    if (!model.LastRefusal().empty()) {
        return ToQString(model.LastRefusal());
    }
    QString note;
    const std::string club = model.ClubText(title);
    for (int cleared : model.LastCleared()) {
        if (!note.isEmpty()) {
            note += '\n';
        }
        note += ToQString(FormatDialogText("intercomp.cleared", club.c_str(),
                                           InterCompModel::CupTitle(cleared).c_str()));
    }
    return note;
}

} // namespace tallo
