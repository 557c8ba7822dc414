#pragma once

#include <string>
#include <vector>

namespace tallo {

class CCountry;

// Why a country is not complete, in words, one reason a line; empty when it is complete
// (the same checks as CCountry::IsComplete): fewer than 10 clubs with the national team, no
// league, a top league under 10 teams, clubs that fail their completeness check, and every
// fault of the competition tree (see CCompetitionTree::DescribeFaults; notes of the load are
// listed too, after a reason, but alone they do not make a country incomplete).
std::vector<std::string> DescribeIncompleteness(const CCountry& country);

} // namespace tallo
