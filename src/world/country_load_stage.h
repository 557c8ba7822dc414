#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "world/club_io_context.h"
#include "world/load_finding.h"
#include "world/player_world.h"

namespace tallo {

class CCountry;
class CPlayer;
class CWorld;

// A country file read on a worker thread while other countries are read on other threads.
//
// The world's player registry hands out IDs in file order across all countries (a taken or
// missing ID gets the next free one), so a country read out of order must not touch it. The
// stage stands in for the registry while the file is read: it owns the players the file
// creates, gives them provisional IDs 1, 2, ... and keeps the creations and discards in order.
// The world then takes the players in country order (CWorld::MergeStage), which gives every
// ID, every renumbering and every default name exactly as a load in order gives them.
//
// Anything whose answer depends on the order of the countries or on tables shared between
// threads (another country's language, the random engine, the face, ID and colour tables of
// files of old editions) is not answered here: the stage notes that it was asked and gives
// the neutral answer, and the world reads that country again in order on its own thread.
class CountryLoadStage : public IPlayerWorld {
public:
    struct Event {
        bool create = true;       // a creation, else a discard
        uint32_t fileId = 0;      // creations: the ID the file asked for (0: a new one)
        uint32_t provisional = 0; // the player's ID on the stage
    };

    CountryLoadStage(CWorld& world, CCountry& country, size_t registrySize);
    ~CountryLoadStage() override;
    CountryLoadStage(const CountryLoadStage&) = delete;
    CountryLoadStage& operator=(const CountryLoadStage&) = delete;

    // The stage of the calling thread's load, or none (a load straight into the world).
    static CountryLoadStage* Current();
    // Makes `stage` the calling thread's stage for the life of the scope.
    class Scope {
    public:
        explicit Scope(CountryLoadStage* stage);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CountryLoadStage* previous_;
    };

    // Player registry of the stage ----------------------------------------------------------

    size_t PlayerCount() const override { return registrySize_; }
    CPlayer* FindPlayer(uint32_t provisional) override;
    CPlayer* CreatePlayer(uint32_t fileId, bool registerId) override;
    void DiscardPlayer(uint32_t provisional);
    // A player of the stage kept the default first name or surname its construction gave it
    // (the file held none): the world gives it the default it would have had in order.
    void NoteDefaultName(const CPlayer& player, bool firstName, bool surname);

    // What cannot be answered on a worker ----------------------------------------------------

    int CountryFirstLanguage(uint32_t country) const override;
    bool ClubExists(uint32_t reference) const override;
    uint32_t TranslateClubReference(uint32_t reference) const override;
    bool IsSpecialFace(uint16_t face) const override;
    uint16_t FindSpecialFace(std::string_view name) const override;
    std::optional<uint32_t> LookUpMappedId(const CPlayer& player) const override;
    int RandomBelow(int bound) override;
    void NoteOrderDependent() const { orderDependent_ = true; }
    // True when the file asked for something only a load in order can answer.
    bool OrderDependent() const { return orderDependent_; }

    // The outcome of the read, filled by the worker ------------------------------------------

    bool opened = false;
    bool unreadable = false;
    bool hasCountry = false;
    std::vector<LoadFinding> findings;
    uint32_t versionAfter = 0; // the thread's file version when the read ended

    // Taken by the world when it merges the stage.
    const std::vector<Event>& Events() const { return events_; }
    // The player created with this provisional ID, handed over; nullptr when it is gone.
    std::unique_ptr<CPlayer> TakePlayer(uint32_t provisional);
    bool KeptDefaultFirstName(uint32_t provisional) const;
    bool KeptDefaultSurname(uint32_t provisional) const;
    CCountry& Country() { return country_; }

private:
    struct Staged {
        std::unique_ptr<CPlayer> player;
        bool defaultFirstName = false;
        bool defaultSurname = false;
    };

    CWorld& world_;
    CCountry& country_;
    size_t registrySize_;
    std::vector<Staged> players_; // provisional ID - 1
    std::vector<Event> events_;
    mutable bool orderDependent_ = false;
};

// The club context of a country read onto a stage: the players go to the stage.
class StagedClubContext : public ClubIoContext {
public:
    StagedClubContext(CountryLoadStage& stage, ClubIoContext& inner)
        : stage_(stage), inner_(inner) {}

    CPlayer* FindPlayer(uint32_t id) override { return stage_.FindPlayer(id); }
    CPlayer* CreatePlayer(uint32_t fileId) override { return stage_.CreatePlayer(fileId, true); }
    void DiscardPlayer(uint32_t id) override { stage_.DiscardPlayer(id); }
    uint32_t TranslateClubReference(uint32_t reference) override {
        return inner_.TranslateClubReference(reference);
    }
    int32_t StadiumPosition(uint32_t key) override { return inner_.StadiumPosition(key); }
    int CurrentLanguageSlot() override { return inner_.CurrentLanguageSlot(); }
    bool FindTeamColour(std::string_view clubName, uint16_t& entry) override;

private:
    CountryLoadStage& stage_;
    ClubIoContext& inner_;
};

// While a country is read again in order after the others were read on workers, the first
// languages of the countries after it must read as they were before the load began (a load in
// order has not reached them yet). The world's language look-up asks this view first.
class LoadLanguageView {
public:
    using Snapshot = std::array<uint8_t, 207>;

    LoadLanguageView(const Snapshot& before, uint32_t country);
    ~LoadLanguageView();
    LoadLanguageView(const LoadLanguageView&) = delete;
    LoadLanguageView& operator=(const LoadLanguageView&) = delete;

    // The view of the calling thread, or none.
    static const LoadLanguageView* Current();
    // Whether `country` reads from the snapshot; `language` is then its first language then.
    bool FromSnapshot(uint32_t country, uint8_t& language) const;

private:
    const Snapshot& before_;
    uint32_t country_;
    const LoadLanguageView* previous_;
};

} // namespace tallo
