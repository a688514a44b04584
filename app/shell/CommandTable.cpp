#include "CommandTable.h"

#include "CommandIds.h"

#include <algorithm>
#include <array>

const char* const kIdlePrompt = "ﾚﾃﾞｨ";
const char* const kProgramTitle = "HY for Windows";

namespace {
using namespace cmd;

constexpr std::array<const char*, 8> kMenus{
    "ﾌｧｲﾙ(&F)", "表示(&V)", "本体設定・通信(&E)", "間隔(&S)", "ﾂｰﾙ(&T)", "ｸﾞﾗﾌ(&G)", "解析(&A)", "ﾍﾙﾌﾟ(&H)"};

// Menu order is row order. Keys are those that fire; the text shows the key
// the menu prints, which for the four arrow items is not the one that fires.
const CommandRow kRows[] = {
    {OpenRecording, 0, "記録ﾃﾞｰﾀを開く(&O)...\tCtrl+O", "Ctrl+O", 0, "記録ﾃﾞｰﾀを開きます", "開く", true},
    {CloseRecording, 0, "記録ﾃﾞｰﾀを閉じる(&C)...\tCtrl+C", "Ctrl+C", -1, "記録ﾃﾞｰﾀを閉じます", "閉じる", true},
    {ArchiveImport, 0, "ﾃﾞｰﾀをｱｰｶｲﾌﾞに取り込む(&I)...", "", -1, "記録ﾃﾞｰﾀを観測所のｱｰｶｲﾌﾞに取り込みます", "", true},
    {ArchiveOpen, 0, "ｱｰｶｲﾌﾞを開く(&A)...", "", -1, "ｱｰｶｲﾌﾞの観測所の期間を記録ﾃﾞｰﾀとして開きます", "", true},
    {0, 0, "", "", -1, "", "", false},
    {GraphPreview, 0, "ｸﾞﾗﾌ印刷ﾌﾟﾚﾋﾞｭｰ(&V)...", "", -1, "ｸﾞﾗﾌの印刷ﾌﾟﾚﾋﾞｭｰを表示します", "", true},
    {TablePreview, 0, "ﾃｷｽﾄ印刷ﾌﾟﾚﾋﾞｭｰ(&Y)...", "", -1, "時間雨量月表と日雨量年表を表示します", "", true},
    {PrintGraph, 0, "ｸﾞﾗﾌ印刷(&P)...", "", -1, "ｸﾞﾗﾌを印刷します", "", true},
    {PrintTables, 0, "ﾃｷｽﾄ印刷(&L)...", "", 8, "作業中のﾌｧｲﾙを表ﾃｷｽﾄﾌｧｲﾙに印刷します", "表印刷", true},
    {PrinterSetup, 0, "ﾌﾟﾘﾝﾀの設定(&R)...", "", -1, "ﾌﾟﾘﾝﾀおよび印刷ｵﾌﾟｼｮﾝを変更します", "印刷設定", true},
    {0, 0, "", "", -1, "", "", false},
    {OverwriteSave, 0, "上書き保存(&W)\tCtrl+W", "Ctrl+W", -1, "ﾌｧｲﾙに変更を加えた状態で上書きします", "", true},
    {SaveRangeHyy, 0, "ﾃﾞｰﾀをHYY形式で保存(&S)...\tCtrl+S", "Ctrl+S", 1, "ﾃﾞｰﾀをHYY形式で保存します", "HYY形式で保存する", true},
    {SaveAsText, 0, "ﾃﾞｰﾀをﾃｷｽﾄ形式で保存(&T)...\tCtrl+T", "Ctrl+T", 2, "ﾃﾞｰﾀをﾃｷｽﾄ形式で保存します", "ﾃｷｽﾄ形式で保存する", true},
    {0, 0, "", "", -1, "", "", false},
    {Exit, 0, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "Ctrl+X", -1, "ｱﾌﾟﾘｹｰｼｮﾝを終了します", "終了", true},

    {ToggleToolBar, 1, "ﾂｰﾙ ﾊﾞｰ(&T)", "", -1, "ﾂｰﾙ ﾊﾞｰの表示/非表示を切り替えます", "ﾂｰﾙ ﾊﾞｰ", true},
    {ToggleStatusBar, 1, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "", -1, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示を切り替えます", "ｽﾃｰﾀｽ ﾊﾞｰ", true},
    {0, 1, "", "", -1, "", "", false},
    {DataList, 1, "ﾃﾞｰﾀ一覧表を開く(&R)...\tCtrl+R", "Ctrl+R", 3, "ﾃﾞｰﾀ一覧表を表示します", "ﾃﾞｰﾀ一覧表", true},
    {VerticalScale, 1, "縦軸ｽｹｰﾙの設定(&V)...", "Ctrl+E", 11, "ｸﾞﾗﾌ縦軸ｽｹｰﾙの設定をします", "縦軸ｽｹｰﾙ", true},
    {HorizontalScale, 1, "横軸ｽｹｰﾙの設定(&H)...", "", 12, "ｸﾞﾗﾌ横軸ｽｹｰﾙの設定をします", "横軸ｽｹｰﾙ", true},

    {PortSettings, 2, "接続設定(&N)...", "", 4, "通信ﾎﾟｰﾄ設定の設定をします", "接続設定", true},
    {DeviceState, 2, "本体状態設定(&Z)...\tShift+Z", "Shift+Z", 5, "本体の状態を設定します", "本体状態設定", true},
    {ReservedRecording, 2, "予約記録設定(&R)...\tShift+W", "Shift+W", 6, "本体に予約記録を設定します", "予約記録設定", true},
    {Download, 2, "記録ﾃﾞｰﾀ吸い上げ(&S)...\tShift+S", "Shift+S", 7, "本体から記録ﾃﾞｰﾀを吸い上げ、ﾌｧｲﾙに保存します", "記録ﾃﾞｰﾀ吸い上げ", true},

    {IntervalTenMinute, 3, "10分 (&T)\tShift+T", "Shift+T", -1, "ｸﾞﾗﾌ表示を10分間の降雨量にする", "", true},
    {IntervalHourly, 3, "1時間 (&H)\tShift+H", "Shift+H", -1, "ｸﾞﾗﾌ表示を1時間の降雨量にする", "", true},
    {IntervalDaily, 3, "1日(&D)\tShift+D", "Shift+D", -1, "ｸﾞﾗﾌ表示を1日の降雨量にする", "", true},
    {IntervalMonthly, 3, "1ヵ月(&M)\tShift+M", "Shift+M", -1, "ｸﾞﾗﾌ表示を1ヶ月の降雨量にする", "", true},

    {RecordConditions, 4, "記録条件ﾒﾝﾃﾅﾝｽ(&M)...", "", -1, "編集したﾌｧｲﾙを上書きします", "", true},

    {Undo, 5, "Undo(&U).. \tAlt+U", "Alt+U", 18, "拡大を元に戻します", "元に戻す", true},
    {Redo, 5, "Redo(&R).. \tAlt+R", "Alt+R", 19, "前の状態に戻します", "やり直す", true},
    {0, 5, "", "", -1, "", "", false},
    {InitialSize, 5, "初期ｻｲｽﾞに戻す\tCtrl+B", "Ctrl+B", 17, "ｸﾞﾗﾌを初期ｻｲｽﾞに戻します", "初期ｻｲｽﾞに戻す", true},
    {EnlargeVertical, 5, "縦軸方向拡大\tCtrl+↓", "Ctrl+Up", 13, "縦軸方向を拡大します", "縦軸方向拡大", true},
    {ShrinkVertical, 5, "縦軸方向縮小\tCtrl+↑", "Ctrl+Down", 14, "縦軸方向を縮小します", "縦軸方向縮小", true},
    {EnlargeHorizontal, 5, "横軸方向拡大\tCtrl+→", "Ctrl+Left", 15, "横軸方向を拡大します", "横軸方向拡大", true},
    {ShrinkHorizontal, 5, "横軸方向縮小\tCtrl+←", "Ctrl+Right", 16, "横軸方向を縮小します", "横軸方向縮小", true},
    {0, 5, "", "", -1, "", "", false},
    {MoveLeft, 5, "ｸﾞﾗﾌ左移動(&L)\tShift+L", "Shift+L", -1, "ｸﾞﾗﾌを左方向に移動します", "ｸﾞﾗﾌ左移動", true},
    {MoveRight, 5, "ｸﾞﾗﾌ右移動(&R)\tShift+R", "Shift+R", -1, "ｸﾞﾗﾌを右方向に移動します", "ｸﾞﾗﾌ右移動", true},

    {RainAnalysis, 6, "降雨解析(&A)...", "", -1, "降雨ｲﾍﾞﾝﾄと期間最大雨量を表示します", "", true},
    {ChartOverlay, 6, "連続雨量・実効雨量を表示(&L)", "", -1, "ｸﾞﾗﾌに連続雨量と実効雨量の線を重ねて表示します", "", true},

    {HelpTopics, 7, "ﾄﾋﾟｯｸの検索(&H)", "", -1, "ﾍﾙﾌﾟﾌｧｲﾙを表示します", "", true},
    {0, 7, "", "", -1, "", "", false},
    {About, 7, "HY for Windowsのﾊﾞｰｼﾞｮﾝ情報(&A)...", "Ctrl+A", 20, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝを表示します", "ﾊﾞｰｼﾞｮﾝ情報", true},

    {FilePrint, -1, "", "", 9, "作業中のﾌｧｲﾙを印刷します", "印刷", true},
};
}  // namespace

std::span<const CommandRow> commandTable() { return kRows; }
std::span<const char* const> menuTitles() { return kMenus; }

const CommandRow* findCommand(int id) {
  if (id == 0) return nullptr;
  for (const CommandRow& r : kRows)
    if (r.id == id) return &r;
  return nullptr;
}

std::vector<int> toolbarLayout() {
  int slots = 0;
  for (const CommandRow& r : kRows) slots = std::max(slots, r.toolbarSlot + 1);
  std::vector<int> layout(static_cast<size_t>(slots), 0);
  for (const CommandRow& r : kRows)
    if (r.toolbarSlot >= 0) layout[static_cast<size_t>(r.toolbarSlot)] = r.id;
  return layout;
}

std::vector<Accelerator> accelerators() {
  std::vector<Accelerator> out;
  for (const CommandRow& r : kRows)
    if (r.id != 0 && r.keys[0] != '\0') out.push_back({r.keys, r.id});
  return out;
}

bool commandEnabled(int id, const EnablingInputs& in) {
  const CommandRow* row = findCommand(id);
  if (row == nullptr || !row->built) return false;
  return documentEnables(id, in).value_or(true);
}
