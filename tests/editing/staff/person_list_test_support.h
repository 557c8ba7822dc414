#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/common/record_choosers.h"
#include "editing/staff/person_list_owner.h"

namespace tallo::test {

// An owner page that writes down what the person list tells it.
class RecordingOwner : public IPersonListOwner {
public:
    void StoreCurrentPerson() override { events.push_back("store"); }
    void ShowPerson(uint32_t personId) override {
        events.push_back("show " + std::to_string(personId));
        shown = personId;
    }
    void PersonSelectedByUser() override { events.push_back("user"); }

    std::vector<std::string> events;
    uint32_t shown = 0;
};

// Choosers that give scripted answers and write down how they were preset.
class ScriptedChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t) override {
        ++clubQuestions;
        lastPresetCountry = presetCountry;
        return club;
    }
    std::optional<ChosenPerson> ChoosePerson(int presetCountry, uint32_t, uint32_t) override {
        ++personQuestions;
        lastPresetCountry = presetCountry;
        return person;
    }

    std::optional<uint32_t> club;
    std::optional<ChosenPerson> person;
    int clubQuestions = 0;
    int personQuestions = 0;
    int lastPresetCountry = 0;
};

} // namespace tallo::test
