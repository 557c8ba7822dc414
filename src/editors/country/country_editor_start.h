#pragma once

class QWidget;

namespace tallo {

class CDlgLand;
class CountryEditorModel;
class DatabaseSession;
struct CountryEditContext;

// The country settings editor with all its pages, in this order: general data, league system,
// cups and discipline, young players' looks, young-player pool, staff, national coach, national
// team. The league system page's buttons open the fixture list, calendar and league composition
// editors over the frame. The frame is not shown; the caller runs it.
CDlgLand* MakeCountryEditor(QWidget* owner, CountryEditorModel& model);

// Opens the country settings editor on a country of the session's database (the main window's
// command 1800). `base` gives the language slot, folders, prompt and choosers. Everything the
// editor changes is one entry of the database's journal when the user confirms; cancel leaves
// the database as it was. Returns whether the database changed.
bool RunCountryEditor(QWidget* owner, DatabaseSession& session, int country,
                      const CountryEditContext& base);

} // namespace tallo
