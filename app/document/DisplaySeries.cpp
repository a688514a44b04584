#include "DisplaySeries.h"

#include <algorithm>
#include <cstring>

int DisplaySeries::setValues(const double* source, int count) {
  int n = std::clamp(count, 0, kDisplayValueRoom);
  if (n > 0) std::memcpy(values, source, sizeof(double) * static_cast<size_t>(n));
  valueCount = n;
  return n;
}
