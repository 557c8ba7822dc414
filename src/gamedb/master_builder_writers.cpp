#include "gamedb/country_record.h"
#include "gamedb/master_builder.h"

namespace tallo {

// The country records (with their clubs, players and competitions) of the game database.
CountryRecordWriter DefaultCountryRecordWriter() {
    return [](MasterBuffer& buffer, MasterBuildContext& context, CCountry& country) {
        WriteCountryRecord(buffer, context, country);
    };
}

} // namespace tallo
