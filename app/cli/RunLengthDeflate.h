#pragma once
// RunLengthDeflate: a zlib stream (RFC 1950/1951) of bytes, coded as one
// block with the fixed Huffman codes, every repeat of the byte before it of
// three or more coded as a match at distance 1. Made for picture rows that
// are mostly runs (a chart's rows as differences from the row above): it
// scans a run eight bytes at a time where zlib's run-length strategy looks
// at each byte, about ten times faster on such rows, and any zlib reader
// inflates it.
//
// Does not search for matches at other distances: data without runs comes
// out about an eighth larger than it went in.

#include <cstddef>
#include <cstdint>
#include <string>

class RunLengthDeflate {
 public:
  static std::string compress(const uint8_t* data, size_t size);
};
