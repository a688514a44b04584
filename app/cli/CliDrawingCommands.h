#pragma once
// The drawing program's dispatch: the subcommands hyetoscope-cli hands over
// because they draw (chart, print, table, archive table). Their names,
// summaries and the overview help are hyetoscope-cli's (CliCommands.h).

#include <QStringList>

// name: the subcommand (argv[1]); arguments: what follows it. Returns the
// exit code; kExitUsage for a command line that does not draw.
int runDrawingSubcommand(const char* name, const QStringList& arguments);
