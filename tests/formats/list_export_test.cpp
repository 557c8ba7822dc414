#include "formats/list_export.h"

#include "platform/code_page.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// The list the golden files of tests/fixtures/list_export were written for: an 8-bit
// umlaut, a cell with "&" and a row shorter than the header.
ListExport GoldenList() {
    return ListExport({"Name", "Club", "Age"},
                      {{"M\xfcller", "FC Nord", "23"}, {"Ba", "Stadt & Land", "7"}, {"Lee"}},
                      "Search results");
}

class ListExportTest : public ::testing::Test {
protected:
    void SetUp() override { SetActiveCodePage(CodePage::Windows1252); }
    void TearDown() override { SetActiveCodePage(CodePage::Windows1252); }
};

TEST_F(ListExportTest, EveryFormIsWrittenByteForByte) {
    TempDir dir;
    const ListExport list = GoldenList();
    const struct {
        ListExportForm form;
        const char* golden;
    } cases[] = {{ListExportForm::TabSeparated, "list_export/tab_separated.txt"},
                 {ListExportForm::Aligned, "list_export/aligned.txt"},
                 {ListExportForm::Xml, "list_export/list.xml"}};
    for (const auto& c : cases) {
        const std::string expected = ReadFile(FixturePath(c.golden));
        ASSERT_FALSE(expected.empty()) << c.golden;
        EXPECT_EQ(list.Render(c.form, CodePage::Windows1252), expected) << c.golden;
        ASSERT_TRUE(list.Write(dir / "out", c.form)) << c.golden;
        EXPECT_EQ(ReadFile(dir / "out"), expected) << c.golden;
    }
}

TEST_F(ListExportTest, EmptyListWritesOnlyTheFrame) {
    const ListExport list({"A", "B"}, {}, "");
    EXPECT_EQ(list.Render(ListExportForm::TabSeparated, CodePage::Windows1252), "\r\n");
    EXPECT_EQ(list.Render(ListExportForm::Aligned, CodePage::Windows1252), "\r\n");
    EXPECT_EQ(list.Render(ListExportForm::Xml, CodePage::Windows1252),
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<list>\r\n"
              "\t<title></title>\r\n\t</list>\r\n");
}

TEST_F(ListExportTest, OneColumnHasNoTabsAndAlignedColumnsAreOneWiderThanTheLongestCell) {
    const ListExport oneColumn({"Name"}, {{"abc"}, {"de"}}, "T");
    EXPECT_EQ(oneColumn.Render(ListExportForm::TabSeparated, CodePage::Windows1252),
              "T\r\nabc\r\nde\r\n");

    const ListExport twoColumns({"A", "B"}, {{"12345", "x"}, {"1", "yy"}}, "T");
    EXPECT_EQ(twoColumns.Render(ListExportForm::Aligned, CodePage::Windows1252),
              "T\r\n12345 x  \r\n1     yy \r\n");
}

TEST_F(ListExportTest, XmlEscapesMarkupWhileTextFormsKeepItAsItStands) {
    const std::string awkward = "a&b<c>d\"e'f\x01g";
    const ListExport list({"A"}, {{awkward}}, "Tom & Jerry");
    EXPECT_EQ(list.Render(ListExportForm::TabSeparated, CodePage::Windows1252),
              "Tom & Jerry\r\n" + awkward + "\r\n");
    EXPECT_EQ(list.Render(ListExportForm::Aligned, CodePage::Windows1252),
              "Tom & Jerry\r\n" + awkward + " \r\n");
    EXPECT_EQ(list.Render(ListExportForm::Xml, CodePage::Windows1252),
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<list>\r\n"
              "\t<title>Tom &amp; Jerry</title>\r\n\t<row>\r\n"
              "\t\t<col>a&amp;b&lt;c&gt;d&quot;e&apos;f g</col>\r\n\t</row>\r\n\t</list>\r\n");
}

TEST_F(ListExportTest, XmlDeclaresTheActiveCodePage) {
    TempDir dir;
    SetActiveCodePage(CodePage::Windows1251);
    const ListExport list({"A"}, {{"\xC0\xE1"}}, "");
    ASSERT_TRUE(list.Write(dir / "l.xml", ListExportForm::Xml));
    EXPECT_EQ(ReadFile(dir / "l.xml"),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<list>\r\n"
              "\t<title></title>\r\n\t<row>\r\n\t\t<col>\xC0\xE1</col>\r\n\t</row>\r\n"
              "\t</list>\r\n");
}

TEST_F(ListExportTest, CellsAreCutToTheLengthTheListHandsOut) {
    const std::string longCell(2000, 'z');
    const ListExport list({"A", "B"}, {{longCell, "b"}}, longCell);
    const std::string cut(ListExport::kCellLength, 'z');
    EXPECT_EQ(list.Render(ListExportForm::TabSeparated, CodePage::Windows1252),
              cut + "\r\n" + cut + "\tb\r\n");
    EXPECT_EQ(list.Render(ListExportForm::Aligned, CodePage::Windows1252),
              cut + "\r\n" + cut + " b \r\n");
}

TEST_F(ListExportTest, WriteIntoAMissingOrUnusableFolderReportsFailure) {
    TempDir dir;
    const ListExport list = GoldenList();
    EXPECT_FALSE(list.Write(dir / "missing/list.txt", ListExportForm::TabSeparated));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // A file where the folder should be.
    WriteFile(dir / "plain", "x");
    EXPECT_FALSE(list.Write(dir / "plain/list.txt", ListExportForm::Xml));
    EXPECT_EQ(ReadFile(dir / "plain"), "x");

    // A folder where the file should be: nothing is replaced, nothing is left behind.
    std::filesystem::create_directory(dir / "taken");
    EXPECT_FALSE(list.Write(dir / "taken", ListExportForm::Aligned));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
}

} // namespace
} // namespace tallo
