#include "ReportPage.h"

std::vector<std::string> ReportPage::textsAt(int x, int y) const {
  std::vector<std::string> out;
  for (const ReportText& t : texts)
    if (t.x == x && t.y == y) out.push_back(t.text);
  return out;
}

const ReportText* ReportPage::find(const std::string& s) const {
  for (const ReportText& t : texts)
    if (t.text == s) return &t;
  return nullptr;
}
