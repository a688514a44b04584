// The command table: menus in order with their texts, the keys that fire,
// the toolbar, the prompts, and which commands can run.
#include "CommandIds.h"
#include "CommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
std::vector<int> menuIds(int menu) {
  std::vector<int> ids;
  for (const CommandRow& r : commandTable())
    if (r.menu == menu) ids.push_back(r.id);
  return ids;
}
}  // namespace

TEST(CommandTable, MenusHoldTheirItemsInOrder) {
  ASSERT_EQ(menuTitles().size(), 8u);
  EXPECT_STREQ(menuTitles()[0], "ﾌｧｲﾙ(&F)");
  EXPECT_STREQ(menuTitles()[3], "間隔(&S)");
  EXPECT_STREQ(menuTitles()[6], "解析(&A)");
  EXPECT_STREQ(menuTitles()[7], "ﾍﾙﾌﾟ(&H)");
  EXPECT_EQ(menuIds(0), (std::vector<int>{32772, 32771, 32880, 32881, 0, 32845, 32846, 32852, 32826, 57606, 0, 32851, 32838,
                                          32829, 0, 57665}));
  EXPECT_EQ(menuIds(1), (std::vector<int>{59392, 59393, 0, 32802, 32803, 32823}));
  EXPECT_EQ(menuIds(2), (std::vector<int>{32790, 32777, 32798, 32794}));
  EXPECT_EQ(menuIds(3), (std::vector<int>{32849, 32799, 32800, 32828}));
  EXPECT_EQ(menuIds(4), (std::vector<int>{32850}));
  EXPECT_EQ(menuIds(5), (std::vector<int>{32781, 32782, 0, 32836, 32784, 32833, 32832, 32834, 0, 32787, 32788}));
  EXPECT_EQ(menuIds(6), (std::vector<int>{cmd::RainAnalysis, cmd::ChartOverlay}));
  EXPECT_EQ(menuIds(7), (std::vector<int>{32796, 0, 57664}));
}

TEST(CommandTable, MenuTextsAreExact) {
  EXPECT_STREQ(findCommand(32772)->text, "記録ﾃﾞｰﾀを開く(&O)...\tCtrl+O");
  EXPECT_STREQ(findCommand(32781)->text, "Undo(&U).. \tAlt+U");
  EXPECT_STREQ(findCommand(32849)->text, "10分 (&T)\tShift+T");
  EXPECT_STREQ(findCommand(32800)->text, "1日(&D)\tShift+D");
  EXPECT_STREQ(findCommand(57664)->text, "HY for Windowsのﾊﾞｰｼﾞｮﾝ情報(&A)...");
  // The arrow items print one arrow and fire on another.
  EXPECT_STREQ(findCommand(32784)->text, "縦軸方向拡大\tCtrl+↓");
  EXPECT_STREQ(findCommand(32784)->keys, "Ctrl+Up");
  EXPECT_STREQ(findCommand(32834)->text, "横軸方向縮小\tCtrl+←");
  EXPECT_STREQ(findCommand(32834)->keys, "Ctrl+Right");
}

TEST(CommandTable, TwentyFiveAcceleratorsEachOnItsCommand) {
  const std::map<std::string, int> expected{
      {"Ctrl+A", 57664}, {"Ctrl+O", 32772}, {"Ctrl+B", 32836},   {"Ctrl+R", 32802},    {"Ctrl+C", 32771},
      {"Ctrl+S", 32838}, {"Ctrl+E", 32803}, {"Ctrl+T", 32829},   {"Ctrl+W", 32851},    {"Ctrl+X", 57665},
      {"Ctrl+Up", 32784}, {"Ctrl+Down", 32833}, {"Ctrl+Left", 32832}, {"Ctrl+Right", 32834},
      {"Shift+D", 32800}, {"Shift+H", 32799}, {"Shift+L", 32787}, {"Shift+M", 32828}, {"Shift+R", 32788},
      {"Shift+S", 32794}, {"Shift+T", 32849}, {"Shift+W", 32798}, {"Shift+Z", 32777}, {"Alt+R", 32782},
      {"Alt+U", 32781}};
  const std::vector<Accelerator> accs = accelerators();
  ASSERT_EQ(accs.size(), 25u);
  std::map<std::string, int> actual;
  for (const Accelerator& a : accs) actual[a.key] = a.id;
  EXPECT_EQ(actual, expected);
}

TEST(CommandTable, ToolbarOrderWithOneGap) {
  EXPECT_EQ(toolbarLayout(), (std::vector<int>{32772, 32838, 32829, 32802, 32790, 32777, 32798, 32794, 32826, 57607,
                                               0, 32803, 32823, 32784, 32833, 32832, 32834, 32836, 32781, 32782,
                                               57664}));
}

TEST(CommandTable, EveryProgramCommandHasItsPromptAndToolbarButtonsATooltip) {
  std::set<int> seen;
  for (const CommandRow& r : commandTable()) {
    if (r.id == 0) continue;
    EXPECT_TRUE(seen.insert(r.id).second) << "listed twice: " << r.id;
    if (r.id >= 32771 && r.id <= 32899) {
      EXPECT_STRNE(r.prompt, "") << r.id;
    }
    if (r.toolbarSlot >= 0) {
      EXPECT_STRNE(r.tooltip, "") << r.id;
    }
  }
  EXPECT_STREQ(findCommand(32794)->prompt, "本体から記録ﾃﾞｰﾀを吸い上げ、ﾌｧｲﾙに保存します");
  EXPECT_STREQ(findCommand(32794)->tooltip, "記録ﾃﾞｰﾀ吸い上げ");
  EXPECT_STREQ(findCommand(32828)->prompt, "ｸﾞﾗﾌ表示を1ヶ月の降雨量にする");
  EXPECT_STREQ(kIdlePrompt, "ﾚﾃﾞｨ");
  EXPECT_STREQ(kProgramTitle, "HY for Windows");
}

TEST(CommandTable, OnlyBuiltCommandsRunAndTheDocumentRulesTheRest) {
  EnablingInputs loaded{};
  loaded.loaded = 1;
  loaded.undoAvailable = true;
  loaded.redoAvailable = true;
  loaded.dataModified = 1;
  const std::set<int> built{32771, 32772, 32790, 32794, 32849, 32799, 32800, 32828, 32796, 57664, 57665, 59392, 59393,
                            32777, 32798,
                            32829, 32802, 32838, 32850, 32851,
                            // zoom, move, Undo/Redo and the two scale dialogs
                            32781, 32782, 32784, 32787, 32788, 32803, 32823, 32832, 32833, 32834, 32836,
                            // printing
                            32845, 32846, 32852, 32826, 57606, 57607,
                            // the analysis menu
                            cmd::RainAnalysis, cmd::ChartOverlay,
                            // the station archive
                            32880, 32881};
  for (const CommandRow& r : commandTable()) {
    if (r.id == 0) continue;
    EXPECT_EQ(commandEnabled(r.id, loaded), built.count(r.id) == 1) << r.id;
  }
  const EnablingInputs empty{};
  EXPECT_TRUE(commandEnabled(cmd::OpenRecording, empty));
  EXPECT_FALSE(commandEnabled(cmd::CloseRecording, empty));
  EXPECT_FALSE(commandEnabled(cmd::IntervalHourly, empty));
  EXPECT_FALSE(commandEnabled(cmd::RainAnalysis, empty));
  EXPECT_TRUE(commandEnabled(cmd::About, empty));
  EXPECT_TRUE(commandEnabled(cmd::DeviceState, empty)) << "the logger is set up without a recording";
  EXPECT_TRUE(commandEnabled(cmd::ReservedRecording, empty));
  EXPECT_FALSE(commandEnabled(12345, empty));
}
