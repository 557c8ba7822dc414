#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include <functional>
#include <memory>

#include "editing/editing_test_support.h"
#include "editing/main_window/main_window_model.h"
#include "editing/session/database_session.h"
#include "editors/framework/framework_test_support.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/editor_dialogs.h"
#include "world/world.h"

namespace tallo::test {

// The main window with the editors it starts, on a private copy of the small sample and the
// offscreen platform, started on the game's database.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureFrameworkApplication();
        editors_ = std::make_unique<EditorDialogs>(nullptr, harness_.databases->Context());
        window_ = std::make_unique<DlgMainMenu>(*harness_.databases, editors_.get(), AdminMode());
        editors_->SetOwner(window_.get());
        ASSERT_TRUE(window_->Start(true));
        session_ = harness_.databases->Current();
        ASSERT_NE(session_, nullptr);
    }

    // Whether the window is started with the admin word.
    virtual bool AdminMode() const { return false; }

    // Selects, through the continent box and the country list, the first country for which
    // `wanted` is true; its number, or 0 when there is none.
    int SelectCountry(const std::function<bool(int number)>& wanted) {
        QListWidget& countries = window_->CountryList();
        for (int continent = 0; continent < window_->ContinentBox().count(); ++continent) {
            window_->ContinentBox().setCurrentIndex(continent);
            for (int row = 0; row < countries.count(); ++row) {
                countries.setCurrentRow(row);
                const int number = window_->Model().SelectedCountry();
                if (wanted(number)) {
                    return number;
                }
            }
        }
        return 0;
    }

    // A fresh load of what the session's database folder holds now.
    std::unique_ptr<CWorld> Reload() {
        return LoadDatabase(harness_.install, session_->World().DatabaseFolder());
    }

    EditorHarness harness_;
    std::unique_ptr<EditorDialogs> editors_;
    std::unique_ptr<DlgMainMenu> window_;
    DatabaseSession* session_ = nullptr;
};

} // namespace tallo::test
