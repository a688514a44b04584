#pragma once
// Where the help pages shipped with the program are: beside the program in
// a build, under the installed data folder after installation.

#include <filesystem>

extern const char* const kHelpFileName;      // "Hyetoscope.html"
extern const char* const kHelpFailureText;   // shown when no browser opens it

// The first existing help file for a program in programDir; empty if none.
std::filesystem::path findHelpFile(const std::filesystem::path& programDir);
