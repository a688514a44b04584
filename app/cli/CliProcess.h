#pragma once
// CliProcess: what both programs of the tool do first (hyetoscope-cli and
// the drawing program it hands drawing to): the recording's clock (UTC+9)
// whatever the machine's zone, the offscreen platform, Qt's notes kept off
// standard error, Ctrl+C noted rather than fatal (CliInterrupt.h); and the
// subcommand's arguments as Qt strings. Does not create the application
// object: each program makes the one it needs.

#include <QStringList>

// Call first thing in main, before any thread starts.
void prepareCliProcess();

// Numbers with a dot; call after the application object exists (it sets the
// locale from the environment).
void keepNumericLocale();

// argv[first] ... argv[argc - 1].
QStringList cliArguments(int argc, char** argv, int first);
