#pragma once

namespace tallo {

class CClub;

// A page of the club editor frame (CDlgClubParent): the frame fills a page from its working
// copy of the club when the page's tab is entered and stores it when the tab is left and on OK.
class ClubPageView {
public:
    virtual ~ClubPageView() = default;

    // Record to controls.
    virtual void FillFrom(const CClub& club) = 0;
    // Controls to record (within the record's limits).
    virtual void StoreInto(CClub& club) = 0;
};

} // namespace tallo
