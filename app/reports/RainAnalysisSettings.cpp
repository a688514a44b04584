#include "RainAnalysisSettings.h"

#include <charconv>
#include <cstdio>
#include <cmath>

namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Digits with at most one decimal point and a digit somewhere.
std::optional<double> plainDecimal(const std::string& text) {
  int dots = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.') ++dots;
    else if (c >= '0' && c <= '9') ++digits;
    else return std::nullopt;
  }
  if (dots > 1 || digits == 0) return std::nullopt;
  double v = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

AnalysisSettingsCheck refused(AnalysisField field, const char* message) {
  AnalysisSettingsCheck check;
  check.field = field;
  check.message = message;
  return check;
}

// Up to six decimals, trailing zeros dropped: 12.5 -> "12.5", 360 -> "360".
std::string numberText(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", v);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s;
}

}  // namespace

StormEventOptions RainAnalysisSettings::eventOptions() const {
  StormEventOptions options;
  options.gapSlots = gapMinutes / 10;
  options.minDepthMm = minDepthMm;
  options.alarms = alarms;
  return options;
}

bool RainAnalysisSettings::operator==(const RainAnalysisSettings& o) const {
  const AlarmCriteria& a = alarms;
  const AlarmCriteria& b = o.alarms;
  return gapMinutes == o.gapMinutes && minDepthMm == o.minDepthMm && halfLifeShortH == o.halfLifeShortH &&
         halfLifeLongH == o.halfLifeLongH && monthlyMaxima == o.monthlyMaxima && a.continuousMm == b.continuousMm &&
         a.hourlyMm == b.hourlyMm && a.combinedContinuousMm == b.combinedContinuousMm &&
         a.combinedHourlyMm == b.combinedHourlyMm;
}

AnalysisSettingsCheck checkAnalysisSettings(const AnalysisFieldTexts& texts, bool monthlyMaxima) {
  RainAnalysisSettings s;
  s.monthlyMaxima = monthlyMaxima;
  auto text = [&](AnalysisField f) { return trimmed(texts[static_cast<size_t>(f)]); };

  const std::optional<double> gap = plainDecimal(text(AnalysisField::Gap));
  if (!gap || *gap != std::floor(*gap) || *gap < 10 || *gap > kMaxGapSlots * 10 || std::fmod(*gap, 10.0) != 0)
    return refused(AnalysisField::Gap, "無降雨間隔は10分から4320分(72時間)まで、10分単位で入力してください。");
  s.gapMinutes = static_cast<int>(*gap);

  const std::string depth = text(AnalysisField::MinDepth);
  if (!depth.empty()) {
    const std::optional<double> v = plainDecimal(depth);
    if (!v) return refused(AnalysisField::MinDepth, "最小総雨量は0以上の数値(mm)で入力してください。");
    s.minDepthMm = *v;
  }

  for (AnalysisField f : {AnalysisField::HalfLifeShort, AnalysisField::HalfLifeLong}) {
    const std::optional<double> v = plainDecimal(text(f));
    if (!v || *v < 0.5 || *v > 720) return refused(f, "半減期は0.5時間から720時間までの数値で入力してください。");
    (f == AnalysisField::HalfLifeShort ? s.halfLifeShortH : s.halfLifeLongH) = *v;
  }

  auto level = [&](AnalysisField f, std::optional<double>& out) {
    const std::string t = text(f);
    if (t.empty()) return true;
    const std::optional<double> v = plainDecimal(t);
    if (!v || *v <= 0) return false;
    out = *v;
    return true;
  };
  constexpr const char* kLevel = "基準雨量は0より大きい数値(mm)で入力するか、空欄にしてください。";
  if (!level(AnalysisField::AlarmContinuous, s.alarms.continuousMm)) return refused(AnalysisField::AlarmContinuous, kLevel);
  if (!level(AnalysisField::AlarmHourly, s.alarms.hourlyMm)) return refused(AnalysisField::AlarmHourly, kLevel);
  if (!level(AnalysisField::CombinedContinuous, s.alarms.combinedContinuousMm))
    return refused(AnalysisField::CombinedContinuous, kLevel);
  if (!level(AnalysisField::CombinedHourly, s.alarms.combinedHourlyMm))
    return refused(AnalysisField::CombinedHourly, kLevel);
  if (s.alarms.combinedContinuousMm.has_value() != s.alarms.combinedHourlyMm.has_value())
    return refused(s.alarms.combinedContinuousMm ? AnalysisField::CombinedHourly : AnalysisField::CombinedContinuous,
                   "複合基準は連続雨量と時間雨量の両方を入力してください。");

  AnalysisSettingsCheck ok;
  ok.settings = s;
  return ok;
}

AnalysisFieldTexts analysisFieldTexts(const RainAnalysisSettings& s) {
  auto optional = [](const std::optional<double>& v) { return v ? numberText(*v) : std::string(); };
  return {std::to_string(s.gapMinutes),
          s.minDepthMm == 0.0 ? std::string() : numberText(s.minDepthMm),
          numberText(s.halfLifeShortH),
          numberText(s.halfLifeLongH),
          optional(s.alarms.continuousMm),
          optional(s.alarms.hourlyMm),
          optional(s.alarms.combinedContinuousMm),
          optional(s.alarms.combinedHourlyMm)};
}

const std::array<const char*, kAnalysisFieldCount>& analysisSettingsKeys() {
  static const std::array<const char*, kAnalysisFieldCount> keys{
      "GapMinutes",   "MinDepth",    "HalfLifeShort",           "HalfLifeLong",
      "AlarmContinuous", "AlarmHourly", "AlarmCombinedContinuous", "AlarmCombinedHourly"};
  return keys;
}
