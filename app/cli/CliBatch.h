#pragma once
// CliBatch: what every subcommand over several recordings does the same
// way: check -o and plan one output per file, then open each file and hand
// it to the subcommand's step. A file that cannot be read is reported and
// the others still run; the exit code tells the worst that happened.

#include "CliArguments.h"
#include "CliParser.h"
#include "CliRecording.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Requires -o with one of the suffixes (lower case, without the dot) and
// plans the outputs. Returns -1 to go on, otherwise the exit code after
// the usage message.
int planBatchOutputs(const CliParser& cli, const std::vector<OutputFields>& inputs,
                     std::initializer_list<const char*> suffixes, std::vector<std::string>& outputs);

// -o where it may be left out: without it one file is written to standard
// output (outputs stays empty) and several files are a usage error naming
// patternExample, such as "{stem}-{interval}.txt". Returns -1 to go on,
// otherwise the exit code after the usage message.
int planOptionalOutputs(const CliParser& cli, const std::vector<OutputFields>& inputs, const char* patternExample,
                        std::vector<std::string>& outputs);

// Whether an output file is named .png (in any case), as planBatchOutputs
// reads its suffix; otherwise it is the other suffix given there.
bool isPngPath(const std::string& path);

// Opens each input in turn and runs step(file, index) on it; step returns
// an exit code. Returns kExitOk or the last failure's code; after a Ctrl+C
// the files not yet begun are skipped and the code is kExitInterrupted; a
// step's kExitHandOver ends the batch at once with that code.
int forEachRecording(const std::vector<OutputFields>& inputs,
                     const std::function<int(CliRecording& file, size_t index)>& step);

// Writes bytes to path whole or not at all (a temporary file renamed over
// it); false when that fails, leaving any older file as it was.
bool writeWholeFile(const std::string& path, const std::string& bytes);

// "<path> に書き込めません。" reported with the bad-input code.
int notWritable(const std::string& path);
