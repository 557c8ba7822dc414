#include "world/country_competition_tree.h"

#include <utility>

namespace tallo {

namespace {

CompetitionTreeFactory& Factory() {
    static CompetitionTreeFactory factory;
    return factory;
}

} // namespace

void SetCompetitionTreeFactory(CompetitionTreeFactory factory) {
    Factory() = std::move(factory);
}

const CompetitionTreeFactory& GetCompetitionTreeFactory() {
    return Factory();
}

} // namespace tallo
