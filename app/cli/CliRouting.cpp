#include "CliRouting.h"

#include <cstring>
#include <initializer_list>

bool commandLineDraws(const char* subcommand, const char* firstArgument) {
  if (subcommand == nullptr) return false;
  for (const char* drawn : {"chart", "print", "table"})
    if (std::strcmp(subcommand, drawn) == 0) return true;
  return std::strcmp(subcommand, "archive") == 0 && firstArgument != nullptr &&
         std::strcmp(firstArgument, "table") == 0;
}
