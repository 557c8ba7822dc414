#pragma once

#include "editing/main_window/editor_dialogs.h"

class QWidget;

namespace tallo {

struct EditorContext;

// The editors the main window starts, as Qt dialogs over `owner`: the club editor (1798), the
// squad list (1799), the country settings editor (1800), the global and continental settings
// (1801, 1802), the national teams (1804) and the admin tools. Each changes the database
// through its journal.
class EditorDialogs : public IEditorDialogs {
public:
    EditorDialogs(QWidget* owner, const EditorContext& context)
        : owner_(owner), context_(context) {}

    // The window the dialogs open over (the main window is made after its editors).
    void SetOwner(QWidget* owner) { owner_ = owner; }

    bool Supports(int command) const override;
    void Run(int command, const EditorSelection& selection) override;

private:
    void RunCountryCommand(int command, const EditorSelection& selection);
    // Global settings (1801) and continental settings (1802): the rules of the database.
    void RunRulesCommand(int command, const EditorSelection& selection);
    void RunClubEditor(const EditorSelection& selection);
    void RunSquadList(const EditorSelection& selection);

    QWidget* owner_;
    const EditorContext& context_;
};

} // namespace tallo
