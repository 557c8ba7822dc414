#pragma once

#include <cstdint>
#include <string_view>

#include "world/fixed_text.h"
#include "world/record_map.h"

namespace tallo {

class CKLFile;

// A sponsor of a country. The value and the two further texts are only kept, edited and saved.
struct Sponsor {
    static constexpr std::string_view kSection = "SPONSOR";
    // What reading keeps of each text; longer texts are cut when read back, so the setters
    // cut them the same way and an edited sponsor survives a save and a load unchanged.
    static constexpr size_t kNameMax = 28;
    static constexpr size_t kText2Max = 31;
    static constexpr size_t kText3Max = 31;

    char name[32] = {};
    int32_t value = 1;
    char text2[33] = {}; // not known what the game shows of it; kept as read
    char text3[32] = {}; // not known what the game shows of it; kept as read

    std::string_view Name() const { return FixedText(name); }
    std::string_view Text2() const { return FixedText(text2); }
    std::string_view Text3() const { return FixedText(text3); }
    void SetName(std::string_view text) { SetFixedText(name, text.substr(0, kNameMax)); }
    void SetText2(std::string_view text) { SetFixedText(text2, text.substr(0, kText2Max)); }
    void SetText3(std::string_view text) { SetFixedText(text3, text.substr(0, kText3Max)); }

    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);
};

constexpr size_t kMaxSponsors = 40;
using SponsorMap = RecordMap<Sponsor, kMaxSponsors>;

} // namespace tallo
