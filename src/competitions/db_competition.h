#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "competitions/competition_id.h"

namespace tallo {

class CKLFile;
class CWorld;

// One competition of the world: a league, a cup, a play-off, a round or a pool of an
// international competition, or the root of a tree. Nodes are entered in the world's
// competition index under their ID and refer to each other by ID; a link to an ID that is not
// registered counts as absent wherever links are followed, and every walk along links keeps
// the nodes it has seen, so links that run in a circle end the walk instead of looping.
//
// Each node owns its season calendar: for each day 0-399 the matchday played on it (0 none).
class CDBCompetition {
public:
    static constexpr int kSeasonDays = 400;
    // Days a calendar entry can be made on (day 0 is not a day of the season).
    static constexpr int kFirstDay = 1;
    static constexpr int kLastDay = kSeasonDays - 1;
    static constexpr int kMaxLinks = 10;
    static constexpr int kValueCount = 4;
    static constexpr size_t kNameSize = 128;
    static constexpr size_t kShortNameSize = 17;
    // Characters of a name taken from a file (rounds take 126).
    static constexpr size_t kNameReadLimit = 28;

    // Problem bits of Validate.
    static constexpr uint32_t kFixtureIncomplete = 0x10000;
    static constexpr uint32_t kWrongMatchdayCount = 0x20000;
    static constexpr uint32_t kWrongTeamCount = 0x80000;
    static constexpr uint32_t kReserveTeamsTooHigh = 0x100000;
    // A team of the list is no club of the world.
    static constexpr uint32_t kTeamNotAClub = 0x200000;
    // A predecessor or successor that is not registered.
    static constexpr uint32_t kMissingLink = 0x400000;
    // The chain of parents (successor 0) comes back to a node it passed.
    static constexpr uint32_t kParentCycle = 0x800000;

    using Calendar = std::array<int32_t, kSeasonDays>;
    using LinkList = std::array<uint32_t, kMaxLinks>;
    using Values = std::array<int32_t, kValueCount>;

    CDBCompetition(uint32_t id, uint32_t nodeKind);
    virtual ~CDBCompetition();
    // A copy of the node that belongs to no world.
    virtual std::unique_ptr<CDBCompetition> Clone() const = 0;

    // Identity ------------------------------------------------------------------------------

    uint32_t Id() const { return id_; }
    // Changes the ID; only for a node that is not registered (the owner of the node keeps the
    // index right).
    void SetId(uint32_t id) { id_ = id; }
    uint32_t Country() const { return CompetitionId::CountryOf(id_); }
    uint32_t Kind() const { return CompetitionId::KindOf(id_); }
    uint32_t Number() const { return CompetitionId::NumberOf(id_); }
    uint32_t NodeKind() const { return nodeKind_; }

    std::string_view Name() const;
    void SetName(std::string_view name);
    std::string_view ShortName() const;
    void SetShortName(std::string_view name);
    uint32_t ProgramIndex() const { return programIndex_; }
    void SetProgramIndex(uint32_t index) { programIndex_ = index; }
    // Round kind shown for this competition's days in the calendar (leagues: ROUND_GROUP1).
    int8_t CalendarDayType() const { return calendarDayType_; }
    void SetCalendarDayType(int8_t type) { calendarDayType_ = type; }
    uint32_t Owner() const { return owner_; }
    void SetOwner(uint32_t owner) { owner_ = owner; }
    uint32_t Previous() const { return previous_; }
    void SetPrevious(uint32_t id) { previous_ = id; }
    uint32_t Next() const { return next_; }
    void SetNext(uint32_t id) { next_ = id; }
    int32_t Level() const { return level_; }
    void SetLevel(int32_t level) { level_ = level; }

    // The world whose index this node is entered in (set by its owner), and look-ups there.
    CWorld* World() const { return world_; }
    void SetWorld(CWorld* world) { world_ = world; }
    // The registered node of an ID; nullptr for 0, an unknown ID or a node without a world.
    CDBCompetition* FindNode(uint32_t id) const;

    // Links ---------------------------------------------------------------------------------
    // Predecessors feed teams into this node, successors take teams from it; successor 0 is
    // the parent. Each list holds at most 10 IDs, ended by 0.

    const LinkList& Predecessors() const { return predecessors_; }
    const LinkList& Successors() const { return successors_; }
    int PredecessorCount() const { return CountLinks(predecessors_); }
    int SuccessorCount() const { return CountLinks(successors_); }
    bool HasPredecessor(uint32_t id) const;
    bool HasSuccessor(uint32_t id) const;
    // Adds a link (nothing for ID 0, an ID already listed or a full list; false then). With
    // `reciprocal` the other node (when registered) gets the opposite link, once this node
    // holds the link.
    bool AddSuccessor(uint32_t id, bool reciprocal);
    bool AddPredecessor(uint32_t id, bool reciprocal);
    // Removes a link and closes the gap; with `reciprocal` also the opposite link.
    bool RemoveSuccessor(uint32_t id, bool reciprocal);
    bool RemovePredecessor(uint32_t id, bool reciprocal);
    // Replaces the lists as they are (loading, copying); IDs after the 10th are dropped.
    void SetPredecessors(const std::vector<uint32_t>& ids);
    void SetSuccessors(const std::vector<uint32_t>& ids);
    uint32_t ParentId() const { return successors_[0]; }
    // The first registered successor whose level is -1 or this node's level: the node whose
    // calendar this one's days belong to.
    CDBCompetition* CalendarParent() const;

    // Calendar ------------------------------------------------------------------------------

    const Calendar& GetCalendar() const { return calendar_; }
    // The calendar entry of a day; 0 outside 0-399.
    int32_t MatchdayOn(int day) const;
    // Sets an entry as it is (loading, copying); false outside 0-399.
    bool SetMatchdayOn(int day, int32_t matchday);
    void ClearCalendar() { calendar_.fill(0); }
    // Number of days that carry a matchday.
    int MatchdayDays() const;
    // Whether this node or any successor, followed on, plays on the day.
    bool HasMatchOn(int day) const;
    // The entry of the last day before `day` that carries one, or -1.
    int32_t LastMatchdayBefore(int day) const;
    // Always -1 in this system (the look-ups the editors ask before they decide).
    int32_t ParentLookup(int day) const;
    int32_t PredecessorLookup() const { return -1; }
    // The own entry of the day, or else the calendar parent's (followed on).
    int32_t MatchdayOnOrParent(int day) const;
    // Makes the day a matchday: when fewer than the required matchdays lie before it, the day
    // gets the next number and the later matchdays move up (the one at the required number
    // drops out); otherwise the request goes to every successor of the same level or of level
    // -1. A day outside 1-399 or one that is a matchday already changes nothing. True when a
    // calendar changed.
    bool InsertMatchday(int day);
    // Clears the day and lowers every later matchday by one; when this node does not play on
    // the day, the calendar parent is asked. True when a calendar changed.
    bool RemoveMatchday(int day);
    // A matchday on the day before, the day or the day after, here or at the calendar parent.
    bool IsBusyAround(int day) const;
    // Matchdays the node must have in the season.
    virtual int32_t RequiredMatchdays() const = 0;
    // Text of a matchday: the number.
    virtual std::string MatchdayName(int32_t matchday) const;

    // Values 0-3 ----------------------------------------------------------------------------
    // Kept and saved with the node (leagues: 1 bonus for first place, 2 payment per table
    // place, 3 television bonus). Indexes outside 0-3 read 0 and are not set.

    int32_t GetValue(int index) const;
    void SetValue(int index, int32_t value);
    // The values as one block: 4 numbers (cups: their 32 round values).
    virtual size_t ExtraValueCount() const { return kValueCount; }
    virtual void GetExtraValues(int32_t* block) const;
    virtual void SetExtraValues(const int32_t* block);

    // Checks ----------------------------------------------------------------------------------

    // Problem bits of this node and of its chain of parents, 0 when sound. `reserveLevel` is the
    // country's first reserve level.
    uint32_t Validate(int32_t reserveLevel) const;
    // The bits of this node alone.
    virtual uint32_t OwnProblems(int32_t reserveLevel) const;
    // What OwnProblems finds, in words, followed by the notes of the load.
    virtual std::vector<std::string> DescribeProblems(int32_t reserveLevel) const;
    // "<name> ({ c, KIND, n })", for messages.
    std::string Label() const;
    // Position of a team in the team list, or -1 (nodes without teams: -1).
    virtual int TeamIndex(uint32_t clubReference) const;

    // Files -------------------------------------------------------------------------------------

    // The type line of the node's section; empty for nodes that write none.
    virtual std::string_view SectionTypeName() const = 0;
    // Writes the section `sectionName` with the node inside: type and ID lines, the node's
    // values, then the links and the program. With a country override the node's own ID and
    // its links carry that country.
    bool SaveSection(CKLFile& file, std::string_view sectionName,
                     uint32_t countryOverride = CompetitionId::kNoCountryOverride) const;
    // Reads the node's values; the type and ID lines are read already. Values missing from a
    // truncated section keep their defaults and leave a load note.
    virtual bool Load(CKLFile& file) = 0;
    // What was found wrong and put right while loading, in words.
    const std::vector<std::string>& LoadNotes() const { return loadNotes_; }
    void AddLoadNote(std::string note);

protected:
    CDBCompetition(const CDBCompetition& other);
    CDBCompetition& operator=(const CDBCompetition&) = delete;

    // Writes what follows the ID line.
    virtual bool Save(CKLFile& file, uint32_t countryOverride) const = 0;
    // Written before the type line (rounds: a comment line).
    virtual bool SaveLead(CKLFile&) const { return true; }
    virtual bool InsertMatchdayFrom(int day, std::set<uint32_t>& visited);

    bool SaveBaseValues(CKLFile& file, uint32_t countryOverride) const;
    bool LoadBaseValues(CKLFile& file);
    bool SaveValues(CKLFile& file) const;
    bool LoadValues(CKLFile& file, bool keep);
    // The name (at most `limit` characters) and, from files that carry it, the short name;
    // older files give the first 16 characters of the name.
    bool LoadNames(CKLFile& file, size_t limit);
    bool SaveNames(CKLFile& file) const;
    // Section MATCHDAYS: the days 1-399 that carry a matchday, then "0" entries up to the
    // required number.
    bool SaveDayList(CKLFile& file) const;
    // Reads section MATCHDAYS: each day of 1-399 gets the next matchday number, at most
    // `limit` days; other entries (the padding) are passed over.
    bool LoadDayList(CKLFile& file, int limit);
    // Numbers the days that carry a matchday 1, 2, ... in day order.
    void RenumberCalendar();
    // Notes a truncated section once.
    void NoteTruncated(bool ok);

    // Problems of the links of this node: missing nodes.
    uint32_t LinkProblems() const;
    void DescribeLinkProblems(std::vector<std::string>& out) const;
    uint32_t MatchdayProblems() const;
    void DescribeMatchdayProblems(std::vector<std::string>& out) const;

    Calendar calendar_{};

private:
    static int CountLinks(const LinkList& links);
    static bool AddLink(LinkList& links, uint32_t id);
    static bool RemoveLink(LinkList& links, uint32_t id);

    char name_[kNameSize] = {};
    char shortName_[kShortNameSize] = {};
    uint32_t programIndex_ = 0;
    uint32_t id_ = 0;
    int8_t calendarDayType_ = 0;
    uint32_t nodeKind_ = 0;
    uint32_t owner_ = 0;
    uint32_t previous_ = 0;
    uint32_t next_ = 0;
    LinkList predecessors_{};
    LinkList successors_{};
    Values values_{};
    int32_t level_ = -1;
    CWorld* world_ = nullptr;
    std::vector<std::string> loadNotes_;
};

} // namespace tallo
