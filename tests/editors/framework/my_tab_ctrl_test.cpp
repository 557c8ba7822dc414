#include <gtest/gtest.h>

#include <QTabBar>
#include <QVBoxLayout>

#include <vector>

#include "editors/framework/dialog_b.h"
#include "editors/framework/my_tab_ctrl.h"
#include "framework_test_support.h"

namespace tallo {
namespace {

// A dialog that answers the leave question as told and notes every question and notice.
class HostDialog : public CDialogB {
public:
    bool allowLeave = true;
    std::vector<int> asked;
    std::vector<int> shown;

    bool CanLeaveTabPage(CMyTabCtrl& /*tabs*/, int index) override {
        asked.push_back(index);
        return allowLeave;
    }
    void TabPageShown(CMyTabCtrl& /*tabs*/, int index) override { shown.push_back(index); }
};

struct TabbedHost {
    HostDialog host;
    CMyTabCtrl* tabs;
    std::vector<CDialogB*> pages;

    TabbedHost() : tabs(new CMyTabCtrl(&host)) {
        auto* layout = new QVBoxLayout(&host);
        layout->addWidget(tabs);
        for (const char* label : {"One", "Two", "Three"}) {
            pages.push_back(new CDialogB);
            tabs->AddPage(pages.back(), QString::fromLatin1(label));
        }
        host.resize(300, 200);
        host.show();
        QCoreApplication::processEvents();
        host.asked.clear();
        host.shown.clear();
    }
};

TEST(CMyTabCtrl, APageTheParentRefusesToLeaveKeepsItsTab) {
    test::EnsureFrameworkApplication();
    TabbedHost t;
    t.host.allowLeave = false;
    t.tabs->tabBar()->setCurrentIndex(2); // as a click on the third tab does
    QCoreApplication::processEvents();

    EXPECT_EQ(t.host.asked, std::vector<int>{0});
    EXPECT_EQ(t.tabs->currentIndex(), 0);
    EXPECT_EQ(t.tabs->tabBar()->currentIndex(), 0);
    EXPECT_EQ(t.tabs->ShownIndex(), 0);
    EXPECT_TRUE(t.pages[0]->isVisible());
    EXPECT_TRUE(t.pages[0]->isEnabled());
    EXPECT_FALSE(t.pages[2]->isVisible());
    EXPECT_TRUE(t.host.shown.empty());
}

TEST(CMyTabCtrl, APageThatMayBeLeftIsHiddenAndDisabledAndTheParentIsTold) {
    test::EnsureFrameworkApplication();
    TabbedHost t;
    std::vector<int> signalled;
    QObject::connect(t.tabs, &CMyTabCtrl::pageShown,
                     [&signalled](int index) { signalled.push_back(index); });
    t.tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();

    EXPECT_EQ(t.host.asked, std::vector<int>{0});
    EXPECT_EQ(t.host.shown, std::vector<int>{1});
    EXPECT_EQ(signalled, std::vector<int>{1});
    EXPECT_FALSE(t.pages[0]->isVisible());
    EXPECT_FALSE(t.pages[0]->isEnabled());
    EXPECT_TRUE(t.pages[1]->isVisible());
    EXPECT_TRUE(t.pages[1]->isEnabled());

    // Asking for the current page goes to the parent with the current index.
    t.host.allowLeave = false;
    EXPECT_FALSE(t.tabs->CanLeaveCurrentPage());
    EXPECT_EQ(t.host.asked.back(), 1);
}

TEST(CMyTabCtrl, RemovingTheShownPageAsksNothingAndIndicesFollowInsertions) {
    test::EnsureFrameworkApplication();
    TabbedHost t;
    t.tabs->setCurrentIndex(2);
    QCoreApplication::processEvents();
    t.host.asked.clear();

    // A page inserted before the shown one moves it; the question names the right page.
    t.tabs->insertTab(0, new CDialogB, QStringLiteral("Zero"));
    EXPECT_EQ(t.tabs->ShownIndex(), 3);
    t.host.allowLeave = false;
    t.tabs->setCurrentIndex(1);
    EXPECT_EQ(t.host.asked, std::vector<int>{3});
    EXPECT_EQ(t.tabs->currentIndex(), 3);

    // A removed page cannot refuse anything.
    t.host.asked.clear();
    t.tabs->removeTab(3);
    EXPECT_TRUE(t.host.asked.empty());
    EXPECT_EQ(t.tabs->ShownIndex(), t.tabs->currentIndex());
}

} // namespace
} // namespace tallo
