#include "gamedb/master_builder.h"

#include <algorithm>
#include <ostream>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "formats/string_table.h"
#include "gamedb/country_header_record.h"
#include "gamedb/deferred_names.h"
#include "gamedb/master_buffer.h"
#include "gamedb/rules_record.h"
#include "platform/output_target.h"
#include "platform/parallel_for.h"
#include "platform/code_page.h"
#include "platform/progress.h"
#include "platform/prompt.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

std::string CountryNameText(const CCountry& country, int language) {
    return ToUtf8(country.Name(language), ActiveCodePage());
}

void ShowPhase(IProgress* progress, int& position, int phase, const CCountry& country,
               int language) {
    if (progress == nullptr) {
        return;
    }
    progress->SetPosition(++position);
    progress->SetStatus(FormatString(MasterBuilder::kPhaseString, phase,
                                     CountryNameText(country, language).c_str()));
}

bool Cancelled(const IProgress* progress) {
    return progress != nullptr && progress->IsCancelled();
}

// The numbers of the countries, those with the most clubs first: work shared out country by
// country in this order leaves no thread alone with a large country at the end.
std::vector<int> LargestFirst(const CWorld& world) {
    std::vector<int> order;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        order.push_back(number);
    }
    const auto clubs = [&world](int number) {
        const CCountry* country = world.GetCountry(number);
        return country != nullptr ? country->Clubs().size() : 0;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&clubs](int a, int b) { return clubs(a) > clubs(b); });
    return order;
}

// Which countries are complete enough to build, by number. The checks only read the world and
// walk every player of every club, so the countries are checked on all cores.
std::vector<char> CompleteCountries(const CWorld& world, bool console, int threads) {
    std::vector<char> complete(CWorld::kCountrySlots, 0);
    const std::vector<int> order = LargestFirst(world);
    ForEachOnThreads(0, static_cast<int>(order.size()) - 1, threads, [&](int index) {
        const int number = order[static_cast<size_t>(index)];
        if (const CCountry* country = world.GetCountry(number)) {
            complete[static_cast<size_t>(number)] = IsCountryCompleteForBuild(*country, console);
        }
    });
    return complete;
}

int BuildThreads(int asked) {
    if (asked > 0) {
        return asked;
    }
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

} // namespace

bool MasterBuilder::CanWriteSideBySide(bool keepRecords, bool console) const {
    // Records written side by side must not depend on the order they are written in beyond
    // their names (which are deferred): kept records of the program's own writer, no console
    // database (its looks draw random numbers in order), services that allow it.
    const bool servicesAllow =
        services_.threadSafe || (!services_.badgeUsable && !services_.consoleFace);
    return keepRecords && !console && servicesAllow && BuildThreads(request_.threads) > 1;
}

struct MasterBuilder::CountryPart {
    MasterBuffer buffer;
    DeferredNames names;
};

std::vector<MasterBuilder::CountryPart>
MasterBuilder::WriteCountriesSideBySide(const MasterBuildContext& context, int threads,
                                        std::vector<char>& complete) {
    std::vector<CountryPart> parts(static_cast<size_t>(CWorld::kCountryCount) + 1);
    complete.assign(CWorld::kCountrySlots, 0);
    const std::vector<int> order = LargestFirst(world_);
    ForEachOnThreads(0, static_cast<int>(order.size()) - 1, threads, [&](int index) {
        const int number = order[static_cast<size_t>(index)];
        CCountry* country = world_.GetCountry(number);
        if (country == nullptr) {
            return;
        }
        complete[static_cast<size_t>(number)] =
            IsCountryCompleteForBuild(*country, context.Console());
        CountryPart& part = parts[static_cast<size_t>(number)];
        MasterBuildContext own = context;
        own.deferredNames = &part.names;
        part.buffer.BeginKeeping();
        countryWriter_(part.buffer, own, *country);
        part.buffer.EndKeeping();
    });
    return parts;
}

void MasterBuilder::JoinCountries(MasterBuffer& buffer, std::vector<CountryPart>& parts,
                                  int threads) {
    std::vector<const DeferredNames*> names;
    std::vector<MasterBuffer*> kept;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        names.push_back(&parts[static_cast<size_t>(number)].names);
        kept.push_back(&parts[static_cast<size_t>(number)].buffer);
    }
    DeferredNames::ResolveInOrder(names, kept, names_, threads);
    for (MasterBuffer* part : kept) {
        buffer.AppendKept(*part);
    }
}

MasterBuilder::MasterBuilder(CWorld& world, MasterBuildRequest request)
    : world_(world), request_(std::move(request)), countryWriter_(DefaultCountryRecordWriter()),
      text_(request_.optionBits) {}

std::string MasterBuilder::OutputPath(const MasterBuildRequest& request) {
    if (!request.outputPath.empty()) {
        return request.outputPath;
    }
    if (!request.unattended) {
        return request.rootFolder + "/database/Master.dat";
    }
    if ((request.optionBits & MasterOption::kConsole) != 0) {
        return request.databaseFolder + "/Master" + std::to_string(request.language) + ".dat";
    }
    return request.databaseFolder + "/Master.dat";
}

MasterBuildResult MasterBuilder::Fail(MasterBuildResult result, MasterBuildStatus status,
                                      const std::string& message, IPrompt* prompt,
                                      std::ostream* err) {
    result.status = status;
    result.message = message;
    result.size = 0;
    text_.Clear();
    if (request_.unattended) {
        if (err != nullptr) {
            *err << "Master.dat was not written: " << message << "\n";
        }
    } else if (prompt != nullptr) {
        // Failures to get or write the file are the save error of the whole program; the
        // others say what happened.
        const bool saveError =
            status == MasterBuildStatus::BufferFailed || status == MasterBuildStatus::WriteFailed;
        prompt->ShowErrorWindow(LoadString(kErrorHeadlineString),
                                saveError ? LoadString(kSaveErrorString) : message);
    }
    return result;
}

MasterBuildResult MasterBuilder::Build(IProgress* progress, IPrompt* prompt, std::ostream* out,
                                       std::ostream* err) {
    MasterBuildResult result;
    result.path = OutputPath(request_);
    const int language = request_.language >= 0 && request_.language < CWorld::kLanguageSlots
                             ? request_.language
                             : 0;
    text_ = ConsoleTextSink(request_.optionBits);

    // 1. Progress texts.
    if (progress != nullptr) {
        progress->SetPosition(0);
        progress->SetRange(0, kProgressRange);
        progress->SetTitle(LoadString(kTitleString));
        progress->SetDescription(LoadString(kDescriptionString));
        progress->SetStatus(std::string());
    }

    // 2. Output buffer, 3. name store and name files, 4. build language. The club numbering
    // of step 5 is made while the name files are read: it only reads the world, they only
    // fill the store.
    MasterBuffer buffer;
    buffer.Clear();
    names_.Reset();
    const int threads = BuildThreads(request_.threads);
    ClubExportNumbering numbering;
    bool namesRead = false;
    ForEachOnThreads(0, 1, threads, [&](int part) {
        if (part == 0) {
            namesRead = names_.LoadNameFiles(request_.rootFolder);
        } else {
            numbering.Build(world_);
        }
    });
    if (!namesRead) {
        return Fail(std::move(result), MasterBuildStatus::NameOverflow, names_.ProblemText(),
                    prompt, err);
    }
    world_.SetLanguage(static_cast<uint8_t>(language));

    BuildRandom random;
    // Each club's badge is checked once per build: the check walks the file system, and the
    // count pass and the write pass must write the same badge text.
    std::unordered_map<const CClub*, bool> checkedBadges;
    MasterBuildServices services = services_;
    if (services.badgeUsable) {
        services.badgeUsable = [check = services_.badgeUsable, &checkedBadges](const CClub& club) {
            const auto [entry, added] = checkedBadges.try_emplace(&club, false);
            if (added) {
                entry->second = check(club);
            }
            return entry->second;
        };
    }
    MasterBuildContext context{
        world_, language, request_.optionBits, names_, text_, numbering, random, services, nullptr};
    const bool console = context.Console();

    // 5. Header records counted, complete countries noted. Country records
    // that may be written side by side are written here already, on all cores, with the
    // completeness of each country: both walk every player. They do not depend on anything
    // the steps up to phase 1 change (side by side means no console looks drawn from the
    // random numbers and no text lists), and their names are looked up in phase 1.
    const bool keepRecords = ownWriter_ && !text_.WantsAny();
    const bool sideBySide = CanWriteSideBySide(keepRecords, console);
    std::vector<char> complete;
    std::vector<CountryPart> parts;
    if (sideBySide) {
        if (Cancelled(progress)) {
            return Fail(std::move(result), MasterBuildStatus::Cancelled, "cancelled", prompt, err);
        }
        // Each club is met once in this pass, so the threads ask the services themselves
        // instead of through the remembered badge checks.
        const MasterBuildContext direct{world_,    language, request_.optionBits, names_, text_,
                                        numbering, random,   services_,           nullptr};
        parts = WriteCountriesSideBySide(direct, threads, complete);
    } else {
        complete = CompleteCountries(world_, console, threads);
    }
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world_.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        if (complete[static_cast<size_t>(number)]) {
            result.completeCountries.push_back(number);
        }
        WriteCountryHeader(buffer, context, *country, complete[static_cast<size_t>(number)]);
    }

    // 6. Nothing to build.
    if (result.completeCountries.empty()) {
        result.status = MasterBuildStatus::NoCompleteCountry;
        result.message = "no country is complete";
        if (request_.unattended) {
            if (out != nullptr) {
                *out << "No completed countries\n";
            }
        } else if (prompt != nullptr) {
            prompt->ShowErrorWindow(LoadString(kErrorHeadlineString), LoadString(kNoCountryString));
        }
        return result;
    }

    // Without the country record writer there is nothing to build the records with.
    if (!countryWriter_) {
        return Fail(std::move(result), MasterBuildStatus::NoRecordWriter,
                    "this version of the program has no writer of the country records", prompt,
                    err);
    }

    // 7. Interactive builds show the complete countries and go on only when confirmed.
    if (!request_.unattended && prompt != nullptr) {
        std::string list;
        for (size_t i = 0; i < result.completeCountries.size(); ++i) {
            if (i > 0) {
                list += ", ";
            }
            list += CountryNameText(*world_.GetCountry(result.completeCountries[i]), language);
        }
        list += "\n";
        if (!prompt->AskYesNo(LoadString(kCountryListString) + "\n\n" + list,
                              LoadString(kCaptionString))) {
            result.status = MasterBuildStatus::Declined;
            result.message = "the list of complete countries was not confirmed";
            return result;
        }
    }

    // 8. Phase 1: the count pass of the country records. Their name look-ups fill the store.
    // The program's own writer gives the same bytes in both passes (the random numbers restart
    // before each, names keep the index they got first, the badge checks are remembered): its
    // records are kept here and put in place by the write pass, unless text lists are wanted,
    // which only a run in the write pass fills.
    int position = 0;
    random.Restart();
    text_.SetActive(false);
    if (keepRecords) {
        buffer.BeginKeeping();
    }
    if (sideBySide) {
        // The records were written in step 5; the progress and the question whether to stop
        // are answered on this thread.
        if (Cancelled(progress)) {
            return Fail(std::move(result), MasterBuildStatus::Cancelled, "cancelled", prompt, err);
        }
        JoinCountries(buffer, parts, threads);
        parts.clear();
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            ShowPhase(progress, position, 1, *world_.GetCountry(number), language);
        }
    } else {
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            if (Cancelled(progress)) {
                return Fail(std::move(result), MasterBuildStatus::Cancelled, "cancelled", prompt,
                            err);
            }
            CCountry* country = world_.GetCountry(number);
            ShowPhase(progress, position, 1, *country, language);
            countryWriter_(buffer, context, *country);
        }
    }
    buffer.EndKeeping();

    // 9. Rules record; the name lists become weights.
    WriteRulesRecord(buffer, context);
    if (names_.Overflowed()) {
        return Fail(std::move(result), MasterBuildStatus::NameOverflow, names_.ProblemText(),
                    prompt, err);
    }
    names_.WeightAndFreeze();

    // 10. The name tables and the size field.
    for (int pool = 0; pool < NameStore::kPools; ++pool) {
        for (int kind = 0; kind < NameStore::kKinds; ++kind) {
            buffer.Add(static_cast<size_t>(names_.List(pool, kind).TableSize()) + 8);
        }
    }
    buffer.Add(4);

    // 11. The image of the counted size.
    if (buffer.Faulted()) {
        return Fail(std::move(result), MasterBuildStatus::PassMismatch, buffer.FaultText(), prompt,
                    err);
    }
    if (!buffer.StartWritePass()) {
        return Fail(std::move(result), MasterBuildStatus::BufferFailed,
                    buffer.FaultText().empty() ? "the file image could not be allocated"
                                               : buffer.FaultText(),
                    prompt, err);
    }
    random.Restart();
    text_.SetActive(true);

    // 12. The size of the whole file.
    buffer.U32(buffer.Counter());

    // 13. Phase 2: header records.
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world_.GetCountry(number);
        ShowPhase(progress, position, 2, *country, language);
        WriteCountryHeader(buffer, context, *country, complete[static_cast<size_t>(number)]);
    }

    // 14. Name tables.
    for (int pool = 0; pool < NameStore::kPools; ++pool) {
        for (int kind = 0; kind < NameStore::kKinds; ++kind) {
            const std::string table = names_.List(pool, kind).TableImage();
            buffer.U32(static_cast<uint32_t>(table.size()));
            buffer.Block(table);
        }
    }

    // 15. Rules record, 16. phase 3: country records.
    WriteRulesRecord(buffer, context);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (Cancelled(progress)) {
            return Fail(std::move(result), MasterBuildStatus::Cancelled, "cancelled", prompt, err);
        }
        CCountry* country = world_.GetCountry(number);
        ShowPhase(progress, position, 3, *country, language);
        if (!keepRecords) {
            countryWriter_(buffer, context, *country);
        }
    }
    if (keepRecords) {
        buffer.PutKept();
    }
    text_.SetActive(false);

    // The passes must agree to the byte, and the write pass may not have met a name the
    // tables do not hold.
    if (!buffer.IsComplete() || names_.LateName()) {
        std::string why;
        if (buffer.Faulted()) {
            why = buffer.FaultText();
        } else if (names_.LateName()) {
            why = names_.ProblemText();
        } else {
            why = "the write pass filled " + std::to_string(buffer.Position()) + " of " +
                  std::to_string(buffer.TotalSize()) + " counted bytes";
        }
        return Fail(std::move(result), MasterBuildStatus::PassMismatch,
                    "the count pass and the write pass disagree: " + why, prompt, err);
    }

    // 17. One write, atomically (a device or a pipe named as the output is written into).
    std::string writeError;
    if (!WriteOutputFile(result.path, buffer.Pieces(), {}, writeError)) {
        return Fail(std::move(result), MasterBuildStatus::WriteFailed,
                    "the file could not be written: " + writeError, prompt, err);
    }
    result.size = buffer.TotalSize();
    buffer.ReleaseImage();
    if (text_.WantsAny()) {
        result.textListsSkipped = !text_.AppendToFiles(request_.rootFolder);
    }
    result.status = MasterBuildStatus::Written;

    // 18. Interactive builds say so.
    if (!request_.unattended) {
        if (progress != nullptr) {
            progress->SetPosition(0);
        }
        if (prompt != nullptr) {
            prompt->ShowMessage(LoadString(kSavedString), LoadString(kCaptionString));
        }
    }
    return result;
}

bool BuildMaster(CWorld& world, const MasterBuildRequest& request, IProgress* progress,
                 IPrompt* prompt, std::ostream* out, std::ostream* err, MasterBuildResult* result) {
    MasterBuilder builder(world, request);
    MasterBuildResult outcome = builder.Build(progress, prompt, out, err);
    const bool written = outcome.Written();
    if (result != nullptr) {
        *result = std::move(outcome);
    }
    return written;
}

} // namespace tallo
