#pragma once
// The exit codes of hyetoscope-cli, the same for every subcommand, and the
// one way a subcommand reports a failure: a message on standard error
// prefixed with the program's name.

#include <string>

enum CliExit : int {
  kExitOk = 0,
  kExitUsage = 1,     // wrong usage: unknown option, missing argument, bad value
  kExitBadInput = 2,  // damaged file, bad date, range outside the recording
  kExitDevice = 3,    // no logger, or a failed transfer
  // The drawing program (CliDrawingProgram.h) is missing or cannot run: a
  // broken installation, as a shell reports a command it cannot find.
  kExitNoDrawingProgram = 127,
  // Never an exit status: the chart part's answer to the tool's front that
  // the drawing program is to run the whole command line instead (nothing
  // was written or said yet).
  kExitHandOver = 200,
};
// A Ctrl+C that stopped a batch: 130 (CliInterrupt.h).

// Writes "hyetoscope-cli: <text>" and a line end to standard error and
// returns code, so that callers can write `return cliFail(code, text);`.
int cliFail(int code, const std::string& text);
