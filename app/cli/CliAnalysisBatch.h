#pragma once
// What the analysis subcommands (events, maxima, indices) do the same way:
// one output per file (standard output for a single file without -o, else
// the -o pattern), each file opened as the window opens it, its recorded
// ten-minute slots handed to the subcommand's text function, and the text
// written whole (temporary file and rename) or not at all.

#include "CliParser.h"
#include "RainSlots.h"

#include <functional>
#include <string>

// patternExample: shown when several files come without -o, such as
// "{stem}-events.csv". Returns the exit code.
int runAnalysisBatch(const CliParser& cli, const char* patternExample,
                     const std::function<std::string(const RainSlots&)>& text);
