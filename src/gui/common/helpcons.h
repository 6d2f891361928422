#pragma once

namespace linealidad {

// The property that holds the help context number of a menu, an item or a window: F1 opens
// its topic.
inline constexpr char kHelpContextProperty[] = "helpContext";

} // namespace linealidad

namespace linealidad::help {

// Help context numbers: each menu item and window opens its help topic with its number.
constexpr int kFile = 1;
constexpr int kNew = 2;
constexpr int kOpen = 3;
constexpr int kClose = 4;
constexpr int kSave = 5;
constexpr int kSaveAs = 6;
constexpr int kPrint = 7;
constexpr int kExit = 8;
constexpr int kCalculations = 10;
constexpr int kInference = 11;
constexpr int kPredictions = 12;
constexpr int kAnova = 13;
constexpr int kChart = 14;
constexpr int kReport = 19;
constexpr int kWindow = 20;
constexpr int kHelp = 30;
constexpr int kContents = 31;
constexpr int kSearch = 32;
constexpr int kAbout = 33;
constexpr int kVerify = 34;
constexpr int kChartOptions = 1100;
// Studies built from tables.
constexpr int kImportTable = 1200;
constexpr int kPasteStudy = 1201;
// The acceptance verdict and its criteria.
constexpr int kAcceptance = 1300;
// The validation statistics.
constexpr int kValidation = 1400;
// The user's preferences: the lab's name on the charts.
constexpr int kPreferences = 1500;

} // namespace linealidad::help
