// The document's enabling rules over every combination of its state.
#include "CommandEnabling.h"
#include "CommandIds.h"

#include <gtest/gtest.h>

namespace {
const int kNeedsRecording[] = {cmd::SaveText, cmd::SaveAsText, cmd::DataList, cmd::SaveRangeHyy,
                               cmd::PrintTables, cmd::GraphPreview, cmd::TablePreview, cmd::PrintGraph, cmd::FilePrint,
                               cmd::VerticalScale, cmd::EnlargeVertical, cmd::ShrinkVertical,
                               cmd::EnlargeHorizontal, cmd::ShrinkHorizontal, cmd::InitialSize,
                               cmd::MoveLeft, cmd::MoveRight, cmd::IntervalTenMinute, cmd::IntervalHourly,
                               cmd::IntervalDaily, cmd::IntervalMonthly, cmd::RecordConditions,
                               cmd::CloseRecording, cmd::ChartOverlay, cmd::RainAnalysis};

// Every state the document can be in, modes included.
template <class F>
void forEveryState(F f) {
  for (bool loaded : {false, true})
    for (bool undo : {false, true})
      for (bool redo : {false, true})
        for (int modified : {0, 1})
          for (bool list : {false, true})
            for (int m = 0; m < 4; ++m) f(EnablingInputs{loaded, undo, redo, static_cast<IntervalMode>(m), modified, list});
}
}  // namespace

TEST(CommandEnabling, RecordingCommandsFollowTheLoadedFlagOnly) {
  forEveryState([](const EnablingInputs& in) {
    for (int id : kNeedsRecording) EXPECT_EQ(documentEnables(id, in), in.loaded == 1) << id;
  });
}

TEST(CommandEnabling, OpenDependsOnlyOnTheDataListWindow) {
  forEveryState([](const EnablingInputs& in) {
    EXPECT_EQ(documentEnables(cmd::OpenRecording, in), in.dataListOpen == 0);
  });
}

TEST(CommandEnabling, UndoAndRedoNeedTheirFlagAndARecording) {
  forEveryState([](const EnablingInputs& in) {
    EXPECT_EQ(documentEnables(cmd::Undo, in), in.undoAvailable && in.loaded);
    EXPECT_EQ(documentEnables(cmd::Redo, in), in.redoAvailable && in.loaded);
  });
}

TEST(CommandEnabling, HorizontalScaleIsOffInMonthlyModeOnly) {
  forEveryState([](const EnablingInputs& in) {
    EXPECT_EQ(documentEnables(cmd::HorizontalScale, in), in.loaded == 1 && in.mode != IntervalMode::Monthly);
  });
}

TEST(CommandEnabling, OverwriteSaveFollowsPendingChangesEvenWithoutRecording) {
  forEveryState([](const EnablingInputs& in) {
    EXPECT_EQ(documentEnables(cmd::OverwriteSave, in), in.dataModified == 1);
  });
}

TEST(CommandEnabling, DeviceAndFrameCommandsAreNotTheDocumentsToRule) {
  const EnablingInputs empty{};
  for (int id : {cmd::PortSettings, cmd::DeviceState, cmd::ReservedRecording, cmd::Download, cmd::About,
                 cmd::Exit, cmd::HelpTopics, cmd::ToggleToolBar, cmd::PrinterSetup})
    EXPECT_FALSE(documentEnables(id, empty).has_value()) << id;
}
