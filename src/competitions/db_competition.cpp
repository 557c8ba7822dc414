#include "competitions/db_competition.h"

#include <algorithm>
#include <cstring>

#include "competitions/competition_texts.h"
#include "competitions/number_text.h"
#include "competitions/scheme_services.h"
#include "formats/kl_file.h"
#include "world/file_version.h"
#include "world/world.h"

namespace tallo {

namespace {

// Short names come with the file from this minor of the current major on.
constexpr uint32_t kShortNameMinor = 7;

void CopyText(char* destination, size_t size, std::string_view text) {
    size_t length = std::min(text.size(), size - 1);
    std::memset(destination, 0, size);
    std::memcpy(destination, text.data(), length);
}

} // namespace

CDBCompetition::CDBCompetition(uint32_t id, uint32_t nodeKind) : id_(id), nodeKind_(nodeKind) {
    SetName(CompetitionText(CompetitionTextId::kNewCompetition));
}

CDBCompetition::CDBCompetition(const CDBCompetition& other)
    : calendar_(other.calendar_), programIndex_(other.programIndex_), id_(other.id_),
      calendarDayType_(other.calendarDayType_), nodeKind_(other.nodeKind_), owner_(other.owner_),
      previous_(other.previous_), next_(other.next_), predecessors_(other.predecessors_),
      successors_(other.successors_), values_(other.values_), level_(other.level_), world_(nullptr),
      loadNotes_(other.loadNotes_) {
    std::memcpy(name_, other.name_, sizeof name_);
    std::memcpy(shortName_, other.shortName_, sizeof shortName_);
}

CDBCompetition::~CDBCompetition() = default;

// Identity ---------------------------------------------------------------------------------------

std::string_view CDBCompetition::Name() const {
    return std::string_view(name_, strnlen(name_, sizeof name_));
}

void CDBCompetition::SetName(std::string_view name) {
    CopyText(name_, sizeof name_, name);
}

std::string_view CDBCompetition::ShortName() const {
    return std::string_view(shortName_, strnlen(shortName_, sizeof shortName_));
}

void CDBCompetition::SetShortName(std::string_view name) {
    CopyText(shortName_, sizeof shortName_, name);
}

CDBCompetition* CDBCompetition::FindNode(uint32_t id) const {
    if (id == 0 || world_ == nullptr) {
        return nullptr;
    }
    return world_->FindCompetition(id);
}

std::string CDBCompetition::Label() const {
    std::string label(Name());
    label += " (";
    label += CompetitionId::ToText(id_);
    label += ")";
    return label;
}

// Links ------------------------------------------------------------------------------------------

int CDBCompetition::CountLinks(const LinkList& links) {
    int count = 0;
    while (count < kMaxLinks && links[count] != 0) {
        ++count;
    }
    return count;
}

bool CDBCompetition::AddLink(LinkList& links, uint32_t id) {
    if (id == 0 || std::find(links.begin(), links.end(), id) != links.end()) {
        return false;
    }
    int count = CountLinks(links);
    if (count >= kMaxLinks) {
        return false;
    }
    links[count] = id;
    return true;
}

bool CDBCompetition::RemoveLink(LinkList& links, uint32_t id) {
    if (id == 0) {
        return false;
    }
    auto found = std::find(links.begin(), links.end(), id);
    if (found == links.end()) {
        return false;
    }
    std::copy(found + 1, links.end(), found);
    links.back() = 0;
    return true;
}

bool CDBCompetition::HasPredecessor(uint32_t id) const {
    return id != 0 &&
           std::find(predecessors_.begin(), predecessors_.end(), id) != predecessors_.end();
}

bool CDBCompetition::HasSuccessor(uint32_t id) const {
    return id != 0 && std::find(successors_.begin(), successors_.end(), id) != successors_.end();
}

bool CDBCompetition::AddSuccessor(uint32_t id, bool reciprocal) {
    bool added = AddLink(successors_, id);
    if (reciprocal && HasSuccessor(id)) {
        if (CDBCompetition* other = FindNode(id)) {
            AddLink(other->predecessors_, id_);
        }
    }
    return added;
}

bool CDBCompetition::AddPredecessor(uint32_t id, bool reciprocal) {
    bool added = AddLink(predecessors_, id);
    if (reciprocal && HasPredecessor(id)) {
        if (CDBCompetition* other = FindNode(id)) {
            AddLink(other->successors_, id_);
        }
    }
    return added;
}

bool CDBCompetition::RemoveSuccessor(uint32_t id, bool reciprocal) {
    bool removed = RemoveLink(successors_, id);
    if (reciprocal) {
        if (CDBCompetition* other = FindNode(id)) {
            RemoveLink(other->predecessors_, id_);
        }
    }
    return removed;
}

bool CDBCompetition::RemovePredecessor(uint32_t id, bool reciprocal) {
    bool removed = RemoveLink(predecessors_, id);
    if (reciprocal) {
        if (CDBCompetition* other = FindNode(id)) {
            RemoveLink(other->successors_, id_);
        }
    }
    return removed;
}

void CDBCompetition::SetPredecessors(const std::vector<uint32_t>& ids) {
    predecessors_.fill(0);
    for (uint32_t id : ids) {
        AddLink(predecessors_, id);
    }
}

void CDBCompetition::SetSuccessors(const std::vector<uint32_t>& ids) {
    successors_.fill(0);
    for (uint32_t id : ids) {
        AddLink(successors_, id);
    }
}

// Values -----------------------------------------------------------------------------------------

int32_t CDBCompetition::GetValue(int index) const {
    return index >= 0 && index < kValueCount ? values_[static_cast<size_t>(index)] : 0;
}

void CDBCompetition::SetValue(int index, int32_t value) {
    if (index >= 0 && index < kValueCount) {
        values_[static_cast<size_t>(index)] = value;
    }
}

void CDBCompetition::GetExtraValues(int32_t* block) const {
    std::copy(values_.begin(), values_.end(), block);
}

void CDBCompetition::SetExtraValues(const int32_t* block) {
    std::copy(block, block + kValueCount, values_.begin());
}

int CDBCompetition::TeamIndex(uint32_t) const {
    return -1;
}

// Checks -----------------------------------------------------------------------------------------

uint32_t CDBCompetition::Validate(int32_t reserveLevel) const {
    uint32_t problems = 0;
    std::set<uint32_t> visited;
    const CDBCompetition* node = this;
    while (node != nullptr) {
        if (!visited.insert(node->id_).second) {
            problems |= kParentCycle;
            break;
        }
        problems |= node->OwnProblems(reserveLevel);
        node = node->FindNode(node->ParentId());
    }
    return problems;
}

uint32_t CDBCompetition::OwnProblems(int32_t) const {
    return LinkProblems();
}

std::vector<std::string> CDBCompetition::DescribeProblems(int32_t) const {
    std::vector<std::string> out;
    DescribeLinkProblems(out);
    out.insert(out.end(), loadNotes_.begin(), loadNotes_.end());
    return out;
}

uint32_t CDBCompetition::LinkProblems() const {
    for (const LinkList* links : {&predecessors_, &successors_}) {
        for (uint32_t id : *links) {
            if (id != 0 && FindNode(id) == nullptr) {
                return kMissingLink;
            }
        }
    }
    return 0;
}

void CDBCompetition::DescribeLinkProblems(std::vector<std::string>& out) const {
    for (const LinkList* links : {&predecessors_, &successors_}) {
        const char* what = links == &predecessors_ ? "predecessor " : "successor ";
        for (uint32_t id : *links) {
            if (id != 0 && FindNode(id) == nullptr) {
                out.push_back(std::string(what) + CompetitionId::ToText(id) +
                              " is no competition of the world");
            }
        }
    }
    std::set<uint32_t> visited;
    for (const CDBCompetition* node = this; node != nullptr;
         node = node->FindNode(node->ParentId())) {
        if (!visited.insert(node->id_).second) {
            out.push_back("its chain of parent competitions comes back to " + node->Label());
            break;
        }
    }
}

// Files ------------------------------------------------------------------------------------------

void CDBCompetition::AddLoadNote(std::string note) {
    loadNotes_.push_back(std::move(note));
}

void CDBCompetition::NoteTruncated(bool ok) {
    if (!ok) {
        AddLoadNote("its section ends before all its values; the missing ones keep their "
                    "defaults");
    }
}

bool CDBCompetition::SaveSection(CKLFile& file, std::string_view sectionName,
                                 uint32_t countryOverride) const {
    bool ok = file.WriteSectionBegin(sectionName);
    ok = SaveLead(file) && ok;
    std::string_view type = SectionTypeName();
    if (!type.empty()) {
        ok = file.WriteString(type) && ok;
    }
    ok = file.WriteString(CompetitionId::ToText(CompetitionId::Override(id_, countryOverride))) &&
         ok;
    ok = Save(file, countryOverride) && ok;
    ok = file.WriteSectionEnd(sectionName) && ok;
    return ok;
}

bool CDBCompetition::SaveBaseValues(CKLFile& file, uint32_t countryOverride) const {
    bool ok = file.WriteString(
        CompetitionId::ListToText(predecessors_.data(), predecessors_.size(), countryOverride));
    ok = file.WriteString(
             CompetitionId::ListToText(successors_.data(), successors_.size(), countryOverride)) &&
         ok;
    // Nodes of a country file carry no qualification program: an empty one.
    ok = file.WriteInt(0) && ok;
    return ok;
}

bool CDBCompetition::LoadBaseValues(CKLFile& file) {
    bool ok = true;
    for (LinkList* links : {&predecessors_, &successors_}) {
        std::string line;
        bool read = file.ReadCString(line);
        ok = read && ok;
        if (!read) {
            continue;
        }
        std::vector<uint32_t> ids = CompetitionId::ParseList(line, kMaxLinks + 1);
        if (ids.size() > static_cast<size_t>(kMaxLinks)) {
            AddLoadNote("lists more than 10 links; the ones after the 10th are dropped");
            ids.resize(kMaxLinks);
        }
        links->fill(0);
        for (uint32_t id : ids) {
            AddLink(*links, id);
        }
    }
    if (ok) {
        programIndex_ = ReadQualificationProgram(file);
    }
    return ok;
}

bool CDBCompetition::SaveValues(CKLFile& file) const {
    bool ok = true;
    for (int32_t value : values_) {
        ok = file.WriteInt(value) && ok;
    }
    return ok;
}

bool CDBCompetition::LoadValues(CKLFile& file, bool keep) {
    bool ok = true;
    for (int32_t& value : values_) {
        int32_t read = 0;
        ok = file.ReadInt(read) && ok;
        if (keep) {
            value = read;
        }
    }
    return ok;
}

bool CDBCompetition::SaveNames(CKLFile& file) const {
    bool ok = file.WriteString(Name());
    ok = file.WriteString(ShortName()) && ok;
    return ok;
}

bool CDBCompetition::LoadNames(CKLFile& file, size_t limit) {
    std::string text;
    bool ok = file.ReadCString(text);
    if (ok) {
        SetName(std::string_view(text).substr(0, limit));
    }
    if (FileVersion::CurrentMajorWithMinor(kShortNameMinor)) {
        std::string shortName;
        bool read = file.ReadCString(shortName);
        if (read) {
            SetShortName(shortName);
        }
        ok = read && ok;
    } else {
        SetShortName(Name().substr(0, kShortNameSize - 1));
    }
    return ok;
}

} // namespace tallo
