#pragma once

namespace tallo {

// A page of the country settings editor (CDlgLand). The pages edit the country of their
// CountryEditContext in place: the editor calls FillCountry when the page's tab is entered and
// StoreCountry when the tab is left and on OK. A page that acts at once (the league system
// page applies a format as soon as it is chosen) does so on the country itself; StoreCountry
// then has nothing left to write.
class CountryPageView {
public:
    virtual ~CountryPageView() = default;

    // Country to controls.
    virtual void FillCountry() = 0;
    // Controls to country (within the record's limits).
    virtual void StoreCountry() = 0;
};

} // namespace tallo
