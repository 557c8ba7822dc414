#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "gamedb/master_build_context.h"

namespace tallo {

class CCountry;
class CWorld;
class IProgress;
class IPrompt;
class MasterBuffer;

// What a game database build is asked to do.
struct MasterBuildRequest {
    // Build language, 0-4 (0 German, 1 English, 2 French, 3 Spanish): the language slot of the
    // single-language texts and the number in "Master%d.dat".
    int language = 0;
    uint32_t optionBits = 0;
    // Unattended builds (build mode, tools) print their messages and ask nothing; interactive
    // builds ask for confirmation of the country list and show their messages.
    bool unattended = true;
    // The installation folder: the name files are read from "<root>/database" and the
    // console text lists are appended in it.
    std::string rootFolder = ".";
    // The database folder entry: unattended builds write "<databaseFolder>/Master.dat", or
    // "<databaseFolder>/Master<language>.dat" for the console database.
    std::string databaseFolder = "database";
    // When not empty, the file to write instead of the standard one.
    std::string outputPath;
    // Threads the country records may be written on: 0 for one per core (at most 8), 1 for
    // the calling thread alone. The file is the same either way.
    int threads = 0;
};

// How a build ended.
enum class MasterBuildStatus {
    Written,           // the file was written
    NoCompleteCountry, // nothing written: no country is complete
    Declined,          // nothing written: the user did not confirm the country list
    Cancelled,         // nothing written: the progress receiver asked to stop
    NoRecordWriter,    // nothing written: the country record writer is not available
    NameOverflow,      // nothing written: a name list would need more than 16-bit indices
    PassMismatch,      // nothing written: the write pass did not fill the counted size exactly
    BufferFailed,      // nothing written: the image could not be allocated
    WriteFailed,       // nothing written (an earlier file stays): the file could not be written
};

struct MasterBuildResult {
    MasterBuildStatus status = MasterBuildStatus::WriteFailed;
    std::vector<int> completeCountries; // numbers, ascending
    std::string path;                   // the file written (or that would have been)
    uint64_t size = 0;                  // bytes written
    std::string message;                // what went wrong, in English; empty on success
    // Console text lists that could not be appended (skipped, the build still counts).
    bool textListsSkipped = false;

    bool Written() const { return status == MasterBuildStatus::Written; }
};

// Writes the record of one country (item 5 of the file) into the buffer; called once in the
// count pass and once in the write pass with the same arguments.
using CountryRecordWriter =
    std::function<void(MasterBuffer& buffer, MasterBuildContext& context, CCountry& country)>;

// The writer of the country records when the program has one; an empty function otherwise.
CountryRecordWriter DefaultCountryRecordWriter();

// Compiles a world into the game database file "Master.dat" (or "Master<n>.dat").
//
// The file is built in two passes over the same record writers: the count pass adds up the
// bytes; the write pass fills an image of exactly that size. When the write pass does not
// fill the image exactly, the build reports the disagreement and writes nothing. The image
// is written atomically: a failed build leaves an earlier file untouched. The same world and
// request give the same bytes every time. With the program's own country record writer and no
// text lists asked for, the country records are written once: the count pass keeps their
// bytes and the write pass puts them in place (they do not depend on the pass).
class MasterBuilder {
public:
    static constexpr int kProgressRange = 621;
    static constexpr int kTitleString = 833;
    static constexpr int kDescriptionString = 834;
    static constexpr int kPhaseString = 835;
    static constexpr int kNoCountryString = 618;
    static constexpr int kSavedString = 619;
    static constexpr int kErrorHeadlineString = 622;
    static constexpr int kCountryListString = 623;
    static constexpr int kSaveErrorString = 798;
    static constexpr int kCaptionString = 899;

    MasterBuilder(CWorld& world, MasterBuildRequest request);

    // Replaces the country record writer (tests); by default DefaultCountryRecordWriter().
    // A writer set here always runs in both passes.
    void SetCountryRecordWriter(CountryRecordWriter writer) {
        countryWriter_ = std::move(writer);
        ownWriter_ = false;
    }
    void SetServices(MasterBuildServices services) { services_ = std::move(services); }

    // Runs the build. `progress` receives the texts and the position (may be null); `prompt`
    // shows the messages of interactive builds (may be null: nothing is asked, the list is
    // taken as confirmed); `out` and `err` receive the messages of unattended builds (may be
    // null).
    MasterBuildResult Build(IProgress* progress, IPrompt* prompt, std::ostream* out,
                            std::ostream* err);

    // The file the request writes.
    static std::string OutputPath(const MasterBuildRequest& request);

    // The name store of the last build (for reports and tests).
    const NameStore& Names() const { return names_; }
    const ConsoleTextSink& TextLists() const { return text_; }

private:
    // One country's records written ahead of the count pass, with its names deferred.
    struct CountryPart;
    // Whether the count pass may write the country records side by side.
    bool CanWriteSideBySide(bool keepRecords, bool console) const;
    // The country records of the count pass on `threads` threads, each country into a part of
    // its own (by number), and on the way each country's completeness into `complete`: the
    // two walk the same players.
    std::vector<CountryPart> WriteCountriesSideBySide(const MasterBuildContext& context,
                                                      int threads, std::vector<char>& complete);
    // Resolves the parts' names and joins their records into `buffer` in country order.
    void JoinCountries(MasterBuffer& buffer, std::vector<CountryPart>& parts, int threads);

    MasterBuildResult Fail(MasterBuildResult result, MasterBuildStatus status,
                           const std::string& message, IPrompt* prompt, std::ostream* err);

    CWorld& world_;
    MasterBuildRequest request_;
    CountryRecordWriter countryWriter_;
    bool ownWriter_ = true; // countryWriter_ is DefaultCountryRecordWriter()
    MasterBuildServices services_;
    NameStore names_;
    ConsoleTextSink text_;
};

// Build entry of the callers that only need the outcome: builds with the default writers
// and services and reports through the given receivers. True when the file was written.
bool BuildMaster(CWorld& world, const MasterBuildRequest& request, IProgress* progress,
                 IPrompt* prompt, std::ostream* out, std::ostream* err,
                 MasterBuildResult* result = nullptr);

} // namespace tallo
