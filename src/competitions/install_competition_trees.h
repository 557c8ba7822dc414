#pragma once

namespace tallo {

// Installs the factory through which every country of every world gets a CCompetitionTree.
// Call it once at start-up, before the first world is loaded (the editor, tallo-db and the
// tests do).
void InstallCompetitionTrees();

} // namespace tallo
