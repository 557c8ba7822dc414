#pragma once

namespace tallo {

class CCountry;

// Resets the five record results (home win, home defeat, away win, away defeat, attendance)
// of every club of the country, national team included. Returns the number of clubs that had
// a record to clear.
int ClearCountryMatchRecords(CCountry& country);

// Sets the five first-league statistics of every club of the country to 0. Returns the number
// of clubs that had a statistic to clear.
int ClearCountryLeagueStatistics(CCountry& country);

} // namespace tallo
