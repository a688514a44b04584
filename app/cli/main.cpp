// hyetoscope-cli: batch work on recordings with the program's own logic and
// renderers, without a window. Started as hy-info it is the info subcommand.
// This front loads no library of its own: it hands the command line to the
// part that runs it (CliRouting.h, CliProgramParts.h).
#include "CliExit.h"
#include "CliProgramParts.h"
#include "CliRouting.h"

#include <cstring>

int main(int argc, char** argv) {
  const char* self = argv[0] ? argv[0] : "";
  const size_t length = std::strlen(self);
  const bool infoAlias = length >= 7 && std::strcmp(self + length - 7, "hy-info") == 0;
  const CliPart part = infoAlias || argc < 2 ? CliPart::Text : cliPartFor(argv[1], argc > 2 ? argv[2] : nullptr);
  switch (part) {
    case CliPart::Drawing: return execDrawingProgram(argv);
    case CliPart::Chart: {
      const int code = runChartPart(argc, argv);
      return code == kExitHandOver ? execDrawingProgram(argv) : code;
    }
    case CliPart::Archive: return runArchivePart(argc, argv);
    case CliPart::Text: break;
  }
  return runTextPart(argc, argv);
}
