#pragma once
// CliRouting: which part of hyetoscope-cli runs a command line. chart runs
// in the chart part, which draws without Qt Gui and hands the command line
// to the drawing program when it cannot draw a picture exactly as Qt does
// (a PDF, an unusual font set-up); print, table and archive table run in
// the drawing program, which loads Qt Gui; the archive's other work in the
// archive part, which loads SQLite; everything else in the text part,
// which loads Qt Core only. Plain C, so that the tool's front can decide
// before loading any library.

enum class CliPart { Text, Chart, Archive, Drawing };

// subcommand: argv[1]; firstArgument: argv[2] or null.
CliPart cliPartFor(const char* subcommand, const char* firstArgument);
