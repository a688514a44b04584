#pragma once
// IsoExport: the export's lines for spreadsheets and data tools: a header
// line, then for each slot its start and end as ISO 8601 local times with
// the +09:00 offset, and the rainfall with one decimal, as the text export
// writes it. The slots and values are those of an ExportRequest, so the
// two formats always cover the same buckets. A series that can miss slots
// (RainSeries::missingSlots, the archive's) gets a fourth column, missing,
// with the number of missing slots in the bucket; a bucket missing any has
// an empty rainfall field.

#include "RainSeries.h"
#include "TextExport.h"

#include <string>

// Appends the header and the request's lines over a series built for its
// interval; never reads past the series. Returns the lines written (header
// not counted).
int appendIsoExportLines(const RainSeries& series, const ExportRequest& request, std::string& out);

// "2024-01-01T09:00:00+09:00"
std::string isoLocalTime(int64_t t);
