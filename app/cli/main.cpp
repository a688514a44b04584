// hyetoscope-cli: batch work on recordings with the program's own logic and
// renderers, without a window. Started as hy-info it is the info subcommand.
// This front loads no library of its own: drawing subcommands are handed to
// the drawing program, everything else to the text part (CliProgramParts.h).
#include "CliProgramParts.h"
#include "CliRouting.h"

#include <cstring>

int main(int argc, char** argv) {
  const char* self = argv[0] ? argv[0] : "";
  const size_t length = std::strlen(self);
  const bool infoAlias = length >= 7 && std::strcmp(self + length - 7, "hy-info") == 0;
  if (!infoAlias && argc > 1 && commandLineDraws(argv[1], argc > 2 ? argv[2] : nullptr))
    return execDrawingProgram(argv);
  return runTextPart(argc, argv);
}
