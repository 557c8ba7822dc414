#pragma once

#include <memory>

#include "app/world_internationals.h"
#include "world/world.h"

namespace tallo {

struct ChangeScope;

// Everything an open database holds in memory: its world and the international competitions
// loaded for it. The competitions are declared last, so that they go first: their nodes leave
// the world's index while the world still exists.
struct DatabaseContents {
    std::unique_ptr<CWorld> world;
    std::unique_ptr<WorldInternationals> internationals;
};

// What a change journal acts on: one open database.
class JournalTarget {
public:
    virtual ~JournalTarget() = default;

    // The database's world as it is now (it changes when contents are exchanged).
    virtual CWorld& World() = 0;
    // Puts `replacement` in place of the database's contents and hands back what it held
    // (an import undone and redone).
    virtual DatabaseContents ExchangeContents(DatabaseContents replacement) = 0;
    // Told after every change, undo and redo, with what it touched (nullptr: the whole
    // database was exchanged).
    virtual void Changed(const ChangeScope* scope) = 0;
};

} // namespace tallo
