#pragma once
// Ctrl+C (SIGINT) and SIGTERM for the whole tool: the first one is only
// noted, so that the running step can end cleanly (a batch finishes the
// file it is writing and stops, a download cancels its transfer); a second
// one ends the program at once, as without the tool's handling.

// Installs the handlers; call once, before any thread starts.
void catchInterrupts();
bool interruptRequested();

// The exit code after an interrupt (128 + SIGINT, as shells report it).
constexpr int kExitInterrupted = 130;
