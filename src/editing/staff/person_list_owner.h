#pragma once

#include <cstdint>

namespace tallo {

// The page beside a person list that edits the list's selected person. The list tells it, in
// this order: before any change of the selection or of the list (store your fields into the
// current person, which may go away next), the newly selected person (0 for none), and that the
// user picked that person.
class IPersonListOwner {
public:
    virtual ~IPersonListOwner() = default;

    virtual void StoreCurrentPerson() = 0;
    virtual void ShowPerson(uint32_t personId) = 0;
    virtual void PersonSelectedByUser() = 0;
};

} // namespace tallo
