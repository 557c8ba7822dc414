#include "competitions/scheme_services.h"

#include <utility>

#include "formats/kl_file.h"

namespace tallo {

namespace {

constexpr size_t kMaxSchemeRounds = 8;

CupSchemeServices& Services() {
    static CupSchemeServices services;
    return services;
}

} // namespace

void SetCupSchemeServices(CupSchemeServices services) {
    Services() = std::move(services);
}

std::vector<CupSchemeRound> CupSchemeRounds(uint32_t scheme) {
    if (scheme == 0 || !Services().rounds) {
        return {};
    }
    std::vector<CupSchemeRound> rounds = Services().rounds(scheme);
    if (rounds.size() > kMaxSchemeRounds) {
        rounds.resize(kMaxSchemeRounds);
    }
    return rounds;
}

uint32_t ReadQualificationProgram(CKLFile& file) {
    if (Services().readProgram) {
        return Services().readProgram(file);
    }
    int32_t count = 0;
    file.ReadInt(count);
    return 0;
}

uint32_t InstantiateCupProgram(uint32_t scheme, uint32_t country, int32_t level) {
    if (scheme == 0 || !Services().instantiateProgram) {
        return 0;
    }
    return Services().instantiateProgram(scheme, country, level);
}

} // namespace tallo
