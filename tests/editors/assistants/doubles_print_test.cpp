// Printing the doubles list: the page function paints the title, the headings, every row once
// over the pages and "n / count" on each page (read back through a paint device that records
// the texts painted), and the PDF file gets as many pages.

#include "editors/assistants/list_print.h"

#include <gtest/gtest.h>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <string>
#include <vector>

#include "editing/assistants/doubles_test_world.h"
#include "editing/assistants/world_changes.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/framework_test_support.h"
#include "formats/interface_language.h"
#include "platform/code_page.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

// Keeps the texts painted; draws nothing.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }

    QStringList texts;
};

// An A4 page at 96 dots per inch that records what is painted on it.
class RecordingPage : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 794;
        case PdmHeight:
            return 1123;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

    mutable RecordingEngine engine;
};

class DoublesPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        SetInterfaceLanguage(InterfaceLanguage::Russian);
        SetActiveCodePage(CodePage::Windows1252);
        // 150 pairs in four clubs, each name of its own.
        CClub* clubs[] = {&world_.Club(3, "Nordland", "North"), &world_.Club(3, "Nordland", "Port"),
                          &world_.Club(5, "Suedland", "South"), &world_.Club(5, "Suedland", "Bay")};
        for (int i = 0; i < 150; ++i) {
            const std::string surname = "Name" + std::to_string(1000 + i);
            world_.Player(*clubs[i % 4], "Jan", surname);
            world_.Player(*clubs[(i + 1) % 4], "Jan", surname);
        }
    }

    test::DoublesTestWorld world_;
};

TEST_F(DoublesPrintTest, EveryRowIsPrintedOnceUnderTheTitleWithThePageNumbers) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 0, 0, WorldChanges::Journal(world_.Journal()));
    ASSERT_EQ(dialog.List().rowCount(), 150);
    const PrintedList printed = PrintedList::From(dialog.List(), CPlayerDouble::ListTitle());
    EXPECT_EQ(printed.title, "Игроки-двойники в Базе Данных");
    ASSERT_EQ(printed.rows.size(), 150u);
    EXPECT_EQ(printed.alignments[3] & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    RecordingPage device;
    const ListPrintLayout layout =
        LayoutPrintedList(printed, device, QRect(57, 57, 794 - 114, 1123 - 114));
    ASSERT_GT(layout.pageCount, 1);
    EXPECT_EQ(layout.pageCount, (150 + layout.rowsPerPage - 1) / layout.rowsPerPage);
    // 7 pt at 96 dots per inch is a line of about 9 to 14 pixels.
    EXPECT_GE(layout.lineHeight, 8);
    EXPECT_LE(layout.lineHeight, 16);
    int width = 0;
    for (int column : layout.columnWidths) {
        EXPECT_GT(column, 2 * layout.gap);
        width += column;
    }
    EXPECT_LE(width, layout.page.width());

    std::vector<int> seen(150, 0);
    for (int page = 0; page < layout.pageCount; ++page) {
        device.engine.texts.clear();
        QPainter painter(&device);
        PaintListPage(painter, printed, layout, page);
        painter.end();
        const QStringList& texts = device.engine.texts;
        EXPECT_TRUE(texts.contains(printed.title)) << page;
        EXPECT_TRUE(texts.contains("Клуб 2")) << page;
        EXPECT_TRUE(texts.contains(QString("%1 / %2").arg(page + 1).arg(layout.pageCount))) << page;
        int rowsHere = 0;
        for (size_t row = 0; row < printed.rows.size(); ++row) {
            if (texts.contains(printed.rows[row][0])) {
                ++seen[row];
                ++rowsHere;
            }
        }
        EXPECT_LE(rowsHere, layout.rowsPerPage);
    }
    for (size_t row = 0; row < seen.size(); ++row) {
        EXPECT_EQ(seen[row], 1) << printed.rows[row][0].toStdString();
    }
}

TEST_F(DoublesPrintTest, ThePdfHasOnePagePerLayoutPageAndAFolderThatIsNotThereFails) {
    CPlayerDouble dialog(nullptr, world_.World(), 0, 0, 0, WorldChanges::Journal(world_.Journal()));
    const PrintedList printed = PrintedList::From(dialog.List(), CPlayerDouble::ListTitle());
    test::TempDir dir;
    const std::string path = dir / "doubles.pdf";
    ASSERT_TRUE(PrintListToPdf(QString::fromStdString(path), printed));
    const std::string pdf = test::ReadFile(path);
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    size_t pages = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0) {
            ++pages;
        }
    }
    EXPECT_GE(pages, 2u);

    // The picture of a page is the same page function on an image: not blank.
    const QImage picture = RenderListPage(printed, 0, 100);
    EXPECT_GT(test::DarkPixels(picture, picture.rect()), 1000);

    EXPECT_FALSE(PrintListToPdf(QString::fromStdString(dir / "missing/doubles.pdf"), printed));
}

} // namespace
} // namespace tallo
