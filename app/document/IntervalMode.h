#pragma once
// The four ways a recording is bucketed for display. The numbers are stored
// and compared by the document, the view and the reports.

enum class IntervalMode : int { Hourly = 0, Daily = 1, TenMinute = 2, Monthly = 3 };
