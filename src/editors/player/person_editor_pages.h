#pragma once

class QWidget;

namespace tallo {

class CPersonEditor;
struct PersonEditContext;

// The person editor with every page: for a player the main page (with the player details),
// positions, abilities, character, look and history; for a manager, chairman, president or
// staff member the main page (with the preferences, board stability or staff level below it),
// the abilities of a manager and the look.
CPersonEditor* MakeFullPersonEditor(QWidget* parent, const PersonEditContext& context);

} // namespace tallo
