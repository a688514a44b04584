#pragma once
// The packed image of a data file exactly as the data-file library delivers
// it: a 256-byte header followed by the samples, little-endian.

#include "CLogstore1App.h"

struct FileImage {
  unsigned char bytes[logstore::kImageSize];
};
