#pragma once

namespace tallo {

// The command IDs of the main window: menu 186 (file, database, assistants), the club context
// menu 187, the buttons of dialog 185 and the admin tools of menu 226.
namespace Command {

// Keyboard: Enter and Escape close nothing.
constexpr int kOk = 1;
constexpr int kCancel = 2;

// File menu.
constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kClose = 57602;
constexpr int kSave = 57603;
constexpr int kSaveAs = 32807;
constexpr int kImport = 32808;
constexpr int kExport = 32809;
constexpr int kExit = 32811;

// Edit menu (this program's own: the change journal).
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;

// Database menu.
constexpr int kNextDatabase = 32829;
constexpr int kSynchronise = 1910;
constexpr int kRestore = 32908;
constexpr int kFirstDatabase = 32830; // 32830 to 32835: databases 1 to 6
constexpr int kLastDatabase = 32835;

// Assistants menu and buttons.
constexpr int kFastTransfer = 1763;
constexpr int kPlayerSearch = 1805;
constexpr int kPlayerDoubles = 1808;
constexpr int kNationalTeams = 1804;
constexpr int kFreeAgents = 1807;
constexpr int kPlayerComparison = 1809;
constexpr int kWrongBadges = 32877;

// Club context menu and club buttons.
constexpr int kClubSettings = 1798;
constexpr int kSquadList = 1799;
constexpr int kRemovePlayers = 32840;
constexpr int kNewClub = 32821;
constexpr int kDeleteClub = 32822;
constexpr int kSaveClubFile = 32823;
constexpr int kReplaceClubFile = 32824;

// Sort buttons of the club list.
constexpr int kSortByClub = 1027;
constexpr int kSortByLeague = 1028;
constexpr int kSortByLevel = 1029;

// Country and world buttons.
constexpr int kCountrySettings = 1800;
constexpr int kGlobalSettings = 1801;
constexpr int kContinentalSettings = 1802;
constexpr int kWriteGameDatabase = 1129;

// Admin tools (menu 226), only with the admin word.
constexpr int kAdminClubShoes = 32904;
constexpr int kAdminRenameStaff = 32842;
constexpr int kAdminRenameStadiums = 32848;
constexpr int kAdminRemoveUnusedStadiums = 32853;
constexpr int kAdminClearMatchRecords = 32887;
constexpr int kAdminClearLeagueStatistics = 32888;
constexpr int kAdminCountryShoes = 32905;
constexpr int kAdminMapClubIds = 32845;
constexpr int kAdminMapPlayerIds = 32846;
constexpr int kAdminMapFaceIds = 32863;
constexpr int kAdminUpdateNicknames = 32866;
constexpr int kAdminTacticalEducation = 32880;
constexpr int kAdminBirthDates = 32892;
constexpr int kAdminMergeClubNames = 32894;
constexpr int kAdminDeleteStaff = 32899;
constexpr int kAdminDatabaseShoes = 32906;
constexpr int kAdminMapConsoleFaces = 32855;
constexpr int kAdminWriteConsoleDatabase = 32857;

} // namespace Command

} // namespace tallo
