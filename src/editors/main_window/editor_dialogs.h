#pragma once

#include "editing/main_window/editor_dialogs.h"

class QWidget;

namespace tallo {

struct EditorContext;
class WorldChanges;

// The editors the main window starts, as Qt dialogs over `owner`: the club editor (1798), the
// squad list (1799), the country settings editor (1800), the global and continental settings
// (1801, 1802), the national teams (1804), the assistants and the admin tools. Each changes the
// database through its journal.
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
    // The assistants (1763, 1805, 1807, 1808, 1809), each change one journal entry.
    static bool IsAssistant(int command);
    void RunAssistant(int command, const EditorSelection& selection);
    // The player search (1805): search dialogs until one is cancelled or a club is chosen,
    // whose squad list then opens.
    void RunSearchLoop(const EditorSelection& selection, const WorldChanges& changes);
    void RunClubEditor(const EditorSelection& selection);
    void RunSquadList(const EditorSelection& selection);

    QWidget* owner_;
    const EditorContext& context_;
};

} // namespace tallo
