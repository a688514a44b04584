#pragma once
// The numbers of every command of the main window. Program commands lie in
// 32771-32899; the framework's own commands keep their standard numbers.

namespace cmd {
constexpr int CloseRecording = 32771;
constexpr int OpenRecording = 32772;
constexpr int DeviceState = 32777;
constexpr int Undo = 32781;
constexpr int Redo = 32782;
constexpr int EnlargeVertical = 32784;
constexpr int MoveLeft = 32787;
constexpr int MoveRight = 32788;
constexpr int PortSettings = 32790;
constexpr int SaveText = 32793;
constexpr int Download = 32794;
constexpr int HelpTopics = 32796;
constexpr int ReservedRecording = 32798;
constexpr int IntervalHourly = 32799;
constexpr int IntervalDaily = 32800;
constexpr int DataList = 32802;
constexpr int VerticalScale = 32803;
constexpr int HorizontalScale = 32823;
constexpr int PrintTables = 32826;
constexpr int IntervalMonthly = 32828;
constexpr int SaveAsText = 32829;
constexpr int EnlargeHorizontal = 32832;
constexpr int ShrinkVertical = 32833;
constexpr int ShrinkHorizontal = 32834;
constexpr int InitialSize = 32836;
constexpr int SaveRangeHyy = 32838;
constexpr int GraphPreview = 32845;
constexpr int TablePreview = 32846;
constexpr int IntervalTenMinute = 32849;
constexpr int RecordConditions = 32850;
constexpr int OverwriteSave = 32851;
constexpr int PrintGraph = 32852;
// The analysis menu.
constexpr int ChartOverlay = 32862;
constexpr int RainAnalysis = 32870;
// The station archive's commands.
constexpr int ArchiveImport = 32880;
constexpr int ArchiveOpen = 32881;

constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int PrinterSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int About = 57664;
constexpr int Exit = 57665;
constexpr int ToggleToolBar = 59392;
constexpr int ToggleStatusBar = 59393;
}  // namespace cmd
