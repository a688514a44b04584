#include "CliSeriesOptions.h"

#include "CliArguments.h"
#include "CliExit.h"
#include "SeriesWindow.h"

const char* const kBadDateText = "日付・時刻に誤りがあります。";
const char* const kBadStartText = "開始時間に誤りがあります。";
const char* const kBadEndText = "終了時間に誤りがあります。";
const char* const kBadValueText = "入力した値に誤りがあります。";

void CliSeriesOptions::add(CliParser& cli) {
  cli.option({"i", "interval"}, "Interval of the bars: 10min, hour, day or month (default hour).", "INTERVAL",
             "hour");
  cli.option({"from"}, "Show from this local time (UTC+9): YYYY-MM-DD or 'YYYY-MM-DD HH:MM'.", "T");
  cli.option({"to"}, "Show up to this local time (exclusive), same forms as --from.", "T");
  cli.option({"vmax"}, "Top of the millimetre axis (default: the window's, 100 mm for hours, 400 for days, "
             "50 for 10 minutes, 800 for months).", "MM");
}

int CliSeriesOptions::read(const CliParser& cli) {
  const auto interval = parseInterval(cli.value("interval"));
  if (!interval) return cli.usageError("unknown interval '" + cli.value("interval") + "'");
  m_interval = *interval;
  if (cli.isSet("vmax")) {
    m_vmax = parseBoundedInt(cli.value("vmax"), 1, 1000000);
    if (!m_vmax) return cli.usageError("--vmax '" + cli.value("vmax") + "' is not a whole number of millimetres");
  }
  return readTimeRange(cli, m_from, m_to);
}

int readTimeRange(const CliParser& cli, std::optional<int64_t>& from, std::optional<int64_t>& to) {
  for (const char* name : {"from", "to"}) {
    if (!cli.isSet(name)) continue;
    const auto time = parseTimeArgument(cli.value(name));
    if (!time) return cliFail(kExitBadInput, std::string("--") + name + " " + cli.value(name) + ": " + kBadDateText);
    (name[0] == 'f' ? from : to) = *time;
  }
  return -1;
}

int CliSeriesOptions::apply(CliRecording& file) const {
  if (!file.selectInterval(m_interval)) return cliFail(kExitBadInput, file.message());
  DisplaySeries& series = file.doc().series();
  const SeriesWindowResult window = seriesWindow(series, m_from, m_to);
  switch (window.status) {
    case SeriesWindowResult::Status::StartOutside: return cliFail(kExitBadInput, file.path() + ": " + kBadStartText);
    case SeriesWindowResult::Status::EndOutside: return cliFail(kExitBadInput, file.path() + ": " + kBadEndText);
    case SeriesWindowResult::Status::Ok: break;
  }
  series.firstShownIndex = window.firstIndex;
  series.visibleCount = window.count;
  if (m_vmax) series.verticalMax = *m_vmax;
  return -1;
}
