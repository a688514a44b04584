#pragma once
// CliRouting: which part of hyetoscope-cli runs a command line. Drawing
// (chart, print, table, archive table) runs in the drawing program, which
// loads Qt Gui; everything else in the text part, which loads Qt Core only.
// Plain C, so that the tool's front can decide before loading any library.

// subcommand: argv[1]; firstArgument: argv[2] or null.
bool commandLineDraws(const char* subcommand, const char* firstArgument);
