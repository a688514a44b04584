#pragma once
// CliProgramParts: hyetoscope-cli is a small front that hands its command
// line to one of four parts, so that a command loads only the libraries it
// needs:
//   - the text part, a library the front loads (libhyetoscope-cli-text.so,
//     Qt Core only): help, info, export, the analysis, the device;
//   - the archive part, a library the front loads
//     (libhyetoscope-cli-archive.so, Qt Core and SQLite): the archive but
//     its tables;
//   - the chart part, a library the front loads (libhyetoscope-cli-chart.so,
//     Qt Core, fontconfig, FreeType, HarfBuzz): chart pictures drawn
//     without Qt Gui; it answers kExitHandOver when the drawing program is
//     to draw the command line instead;
//   - the drawing program (hyetoscope-cli-draw, Qt Gui), which replaces the
//     front's process (exec): the same process id, standard streams,
//     signals and exit code, so the user sees one command.
// Both are looked for beside the front's real file (the build folder), then
// in the installed place relative to its folder (fixed at build time).
// Plain C and the C library only: the front loads nothing else.

// Runs the drawing program on this command line (argv[1] is the
// subcommand). Returns only when it cannot be started, after saying why;
// the result is then the exit code.
int execDrawingProgram(char** argv);

// Load the text, the chart or the archive part and run the command line in
// it; its exit code, or the reason on standard error and 127 when the part
// cannot be loaded.
int runTextPart(int argc, char** argv);
int runChartPart(int argc, char** argv);
int runArchivePart(int argc, char** argv);
