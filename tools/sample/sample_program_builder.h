#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "competitions/qualification_program.h"

namespace tallo::sample {

// Builds a qualification program the way the files hold it: each instruction sets only the
// operands it writes and keeps the others from the entry before (0 in the first), which is
// what the program reader gives back, so that what is built here is written and read back
// unchanged.
class ProgramBuilder {
public:
    ProgramBuilder& BuildCounter(int32_t n) { return Add(ProgramOpcode::kBuildCounter).A(n); }
    ProgramBuilder& BuildUefa5(int32_t n, int32_t m) {
        return Add(ProgramOpcode::kBuildUefa5).A(n).B(m);
    }
    ProgramBuilder& Champ(uint32_t id) { return Add(ProgramOpcode::kGetChamp).Id(id); }
    ProgramBuilder& Uefa5Tab(int32_t n, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetUefa5Tab).A(n).B(x).C(y);
    }
    ProgramBuilder& Uefa5SureTab(int32_t n, int32_t m) {
        return Add(ProgramOpcode::kGetUefa5SureTab).A(n).B(m);
    }
    ProgramBuilder& Uefa5SureUic(int32_t n, int32_t m) {
        return Add(ProgramOpcode::kGetUefa5SureUic).A(n).B(m);
    }
    ProgramBuilder& TabXToY(uint32_t id, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetTabXToY).Id(id).A(0).B(x).C(y);
    }
    // Level -1 is the cup's level, -2 the level below it.
    ProgramBuilder& TabLevel(int32_t level, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetTabLevelXToY).A(level).B(x).C(y);
    }
    ProgramBuilder& TabSpare() { return Add(ProgramOpcode::kGetTabSpare); }
    ProgramBuilder& TabLevelStart(int32_t level, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetTabLevelStartXToY).A(level).B(x).C(y);
    }
    ProgramBuilder& Uefa5ChampOrFinalist(int32_t n, uint32_t id) {
        return Add(ProgramOpcode::kGetUefa5ChampOrFinalist).A(n).Id(id);
    }
    ProgramBuilder& Winner(uint32_t id) { return Add(ProgramOpcode::kGetWinner).Id(id); }
    ProgramBuilder& Loser(uint32_t id) { return Add(ProgramOpcode::kGetLoser).Id(id); }
    ProgramBuilder& Pool(uint32_t id, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetPool).Id(id).B(x).C(y);
    }
    ProgramBuilder& NatUefa5WithHost(uint32_t id, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetNatUefa5WithHost).Id(id).A(0).B(x).C(y);
    }
    // The instructions without operands (GET_NAT_* of a continent, GET_HOST ...).
    ProgramBuilder& Plain(int32_t opcode) { return Add(opcode); }
    ProgramBuilder& InternationalTabLevel(uint32_t id, int32_t level, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetInternationalTabLevelXToY).Id(id).A(level).B(x).C(y);
    }
    ProgramBuilder& InternationalSpare(uint32_t id, int32_t count) {
        return Add(ProgramOpcode::kGetInternationalSpare).Id(id).C(count);
    }
    ProgramBuilder& TabLevelIndoor(int32_t level, int32_t x, int32_t y) {
        return Add(ProgramOpcode::kGetTabLevelIndoor).A(level).B(x).C(y);
    }

    std::vector<ProgramEntry> Take() { return std::move(entries_); }

private:
    ProgramBuilder& Add(int32_t opcode) {
        ProgramEntry entry = entries_.empty() ? ProgramEntry{} : entries_.back();
        entry.opcode = opcode;
        entries_.push_back(entry);
        return *this;
    }
    ProgramBuilder& Id(uint32_t id) {
        entries_.back().competition = id;
        return *this;
    }
    ProgramBuilder& A(int32_t value) {
        entries_.back().a = value;
        return *this;
    }
    ProgramBuilder& B(int32_t value) {
        entries_.back().b = value;
        return *this;
    }
    ProgramBuilder& C(int32_t value) {
        entries_.back().c = value;
        return *this;
    }

    std::vector<ProgramEntry> entries_;
};

} // namespace tallo::sample
