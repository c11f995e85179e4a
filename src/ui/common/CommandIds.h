// The program's command ids. They keep their historical numbers: menus,
// accelerators, buttons and the hand-over all name commands by these values,
// and every command reaches the main window's one routing function.
#pragma once

namespace tavoro::ui {

enum CommandId : int {
  // Main frame (accelerator table 128).
  kCmdNew = 57600,
  kCmdOpen = 57601,
  kCmdClose = 57602,
  kCmdSave = 57603,
  kCmdPrint = 57607,
  kCmdCopy = 57634,
  kCmdCut = 57635,
  kCmdFind = 57636,
  kCmdPaste = 57637,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  kCmdAbout = 57664,
  kCmdNextPane = 57680,
  kCmdPreviousPane = 57681,
  kCmdRefresh = 59395,

  // Web pages and help.
  kCmdHelpContents = 32904,
  kCmdTellAFriend = 32908,
  kCmdVisitWebsite = 32914,
  kCmdOnlineTutorials = 32928,
  kCmdDonate = 32942,

  // Command bar (menu 272 "CmdBar").
  kCmdCloseWardrobe = 32913,
  kCmdAddPhotos = 32900,
  kCmdDeleteSelectedPhotos = 32933,
  kCmdHideSearchResults = 32901,

  // Lists and their context menus.
  kCmdSelectAllEntries = 32793,
  kCmdViewThumbnails = 32797,
  kCmdViewIcons = 32799,
  kCmdViewList = 32801,
  kCmdViewDetails = 32803,
  kCmdRename = 32806,  // "Rename..." of the collection and tag lists
  kCmdMoveToTop = 32815,
  kCmdMoveUp = 32816,
  kCmdSortAscending = 32818,  // collections
  kCmdSortDescending = 32819,
  kCmdMoveDown = 32820,
  kCmdMoveToBottom = 32821,
  kCmdSortTagsAscending = 32841,
  kCmdSortTagsDescending = 32842,
  kCmdDeleteAllTags = 32864,
  kCmdOpenRecent = 32874,
  kCmdClearRecentList = 32876,
  kCmdCopyPathToClipboard = 32879,
  kCmdEditValue = 32887,
  kCmdClearAllValues = 32888,
  kCmdClearHistory = 32896,
  kCmdListRefresh = 32915,
  kCmdListPaste = 32916,
  kCmdRenameEntry = 32917,  // the item list's "Rename"
  kCmdArrangeByName = 32918,
  kCmdArrangeByDateAdded = 32923,
  kCmdSelectInverse = 32924,
  kCmdClearValue = 32926,
  kCmdAutoSuggest = 32929,
  kCmdDelete = 32930,
  kCmdAddItem = 32931,  // "Add a Collection...", "Add a Tag..."
  kCmdAddToCombination = 32935,
  kCmdRenameResult = 32936,
  kCmdSelectAllResults = 32937,
  kCmdSelectInverseResults = 32938,

  // The wardrobe page's "Wardrobe" menu (menu 274): its command-bar button,
  // then its entries. Other new commands take free numbers from 33100 on.
  kCmdWardrobeMenu = 33100,
  kCmdExportWebCatalogue = 33101,
  kCmdExportSpreadsheet = 33102,
  kCmdExportPrintableSheet = 33103,
  kCmdBackUpWardrobe = 33104,
  kCmdRestoreWardrobe = 33105,
  kCmdShowInsights = 33106,
  kCmdCopyAsText = 33107,  // a figure of the insights as plain text

  // Combinations (outfits) and what was worn when.
  kCmdShowCombinations = 33200,  // the wardrobe page's "Combinations" button
  kCmdNewCombination = 33201,
  kCmdWornToday = 33202,
  kCmdWornOnDate = 33203,
  kCmdRenameCombination = 33204,
  kCmdDeleteCombination = 33205,
  kCmdRemoveFromCombination = 33206,
  kCmdShowInCollection = 33207,
};

}  // namespace tavoro::ui
