#include "LocalTime.h"

struct tm toLocal(int64_t t) {
  time_t tt = static_cast<time_t>(t);
  struct tm fields {};
  localtime_r(&tt, &fields);
  return fields;
}

int64_t fromLocal(struct tm fields) {
  fields.tm_isdst = 0;
  return static_cast<int64_t>(mktime(&fields));
}

std::string formatLocal(int64_t t, const char* pattern) {
  struct tm fields = toLocal(t);
  char text[128];
  const size_t length = std::strftime(text, sizeof text, pattern, &fields);
  return std::string(text, length);
}
