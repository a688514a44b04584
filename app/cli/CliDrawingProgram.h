#pragma once
// CliDrawingProgram: where hyetoscope-cli finds the program that runs its
// drawing subcommands (chart, print, table, archive table), and the hand-over
// to it. The drawing program links Qt Gui; hyetoscope-cli links Qt Core
// only, so text work never loads the drawing libraries.
//
// The hand-over replaces the process (exec): the same process id, standard
// streams, signals and exit code, so the user sees one command.

#include <string>
#include <vector>

// The drawing program's file name.
inline constexpr const char* kDrawingProgramName = "hyetoscope-cli-draw";

// Where to look, in order, for a tool at selfPath (the real file, links
// resolved): beside it (the build folder), then the installed place
// (relative to the tool's folder, fixed at build time).
std::vector<std::string> drawingProgramCandidates(const std::string& selfPath);

// Runs the drawing program on this command line (argv[1] is the
// subcommand). Returns only when it cannot be started, after saying why;
// the result is then the exit code.
int execDrawingProgram(char** argv);
