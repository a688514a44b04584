#include "CommandEnabling.h"

#include "CommandIds.h"

std::optional<bool> documentEnables(int id, const EnablingInputs& in) {
  const bool loaded = in.loaded != 0;
  switch (id) {
    case cmd::CloseRecording:
      return loaded;
    case cmd::OpenRecording:
    case cmd::ArchiveOpen:
      // A new recording would pull the data list's values away under it.
      return !in.dataListOpen;
    case cmd::Undo:
      return in.undoAvailable && loaded;
    case cmd::Redo:
      return in.redoAvailable && loaded;
    case cmd::HorizontalScale:
      // Calendar months have no fixed width to scale by.
      return loaded && in.mode != IntervalMode::Monthly;
    case cmd::OverwriteSave:
      return in.dataModified == 1;
    case cmd::SaveText:
    case cmd::SaveAsText:
    case cmd::DataList:
    case cmd::SaveRangeHyy:
    case cmd::PrintTables:
    case cmd::GraphPreview:
    case cmd::TablePreview:
    case cmd::PrintGraph:
    case cmd::FilePrint:
    case cmd::VerticalScale:
    case cmd::EnlargeVertical:
    case cmd::ShrinkVertical:
    case cmd::EnlargeHorizontal:
    case cmd::ShrinkHorizontal:
    case cmd::InitialSize:
    case cmd::MoveLeft:
    case cmd::MoveRight:
    case cmd::IntervalTenMinute:
    case cmd::IntervalHourly:
    case cmd::IntervalDaily:
    case cmd::IntervalMonthly:
    case cmd::ChartOverlay:
    case cmd::RainAnalysis:
      return loaded;
    case cmd::RecordConditions:
      // Its changes are written into the recording's file; one put together
      // from the archive has none.
      return loaded && !in.notAFile;
    default:
      return std::nullopt;
  }
}
