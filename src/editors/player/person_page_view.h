#pragma once

namespace tallo {

class CPlayer;

// A page that edits one person (a player page of the person editor, a staff page). The pages
// edit the record they are given in place: SetPerson fills the controls (null: the texts are
// emptied and the controls disabled), StorePerson writes the controls back into that record.
// The host calls StorePerson before it changes the person or the page, and on OK.
class PersonPageView {
public:
    virtual ~PersonPageView() = default;

    virtual void SetPerson(CPlayer* person) = 0;
    virtual void StorePerson() = 0;
};

} // namespace tallo
