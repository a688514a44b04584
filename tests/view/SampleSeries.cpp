#include "SampleSeries.h"

#include "CLogstore1App.h"
#include "ChartNavigation.h"
#include "FileImage.h"
#include "RecordingBuffer.h"
#include "SeriesForMode.h"

std::unique_ptr<DisplaySeries> makeSeries(IntervalMode mode, int64_t start, const double* values,
                                          int count, int verticalMax) {
  auto series = std::make_unique<DisplaySeries>();
  series->setValues(values, count);
  series->intervalMode = mode;
  series->seriesStart = start;
  series->verticalMax = verticalMax;
  series->firstShownIndex = 0;
  series->visibleCount = series->valueCount;
  return series;
}

std::unique_ptr<DisplaySeries> loadSampleSeries(const std::string& path, IntervalMode mode) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(path.c_str(), image->bytes)) return nullptr;
  auto recording = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *recording);
  return seriesFromRecording(*recording, mode);
}

std::unique_ptr<DisplaySeries> seriesFromRecording(const RecordingBuffer& recording, IntervalMode mode) {
  std::unique_ptr<RainSeries> built = makeSeriesFor(mode);
  if (!built || !built->build(recording)) return nullptr;
  return makeSeries(mode, built->startTime, built->values.get(), built->valueCount, defaultVerticalMax(mode));
}
