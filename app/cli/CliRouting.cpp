#include "CliRouting.h"

#include <cstring>
#include <initializer_list>

CliPart cliPartFor(const char* subcommand, const char* firstArgument) {
  if (subcommand == nullptr) return CliPart::Text;
  if (std::strcmp(subcommand, "chart") == 0) return CliPart::Chart;
  for (const char* drawn : {"print", "table"})
    if (std::strcmp(subcommand, drawn) == 0) return CliPart::Drawing;
  if (std::strcmp(subcommand, "archive") != 0) return CliPart::Text;
  const bool table = firstArgument != nullptr && std::strcmp(firstArgument, "table") == 0;
  return table ? CliPart::Drawing : CliPart::Archive;
}
