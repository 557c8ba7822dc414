#include "competitions/install_competition_trees.h"

#include <memory>

#include "competitions/competition_tree.h"
#include "world/country_competition_tree.h"

namespace tallo {

void InstallCompetitionTrees() {
    SetCompetitionTreeFactory([](CCountry& country, bool withDefaultCompetitions) {
        return std::unique_ptr<CountryCompetitionTree>(
            new CCompetitionTree(country, withDefaultCompetitions));
    });
}

} // namespace tallo
