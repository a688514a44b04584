// Writes the shared-mime-info package of the data-file types to the file
// named on the command line, for the install: the same text the program
// registers for its user at start-up.
#include "FileTypes.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) return 1;
  const std::string text = mimePackageText();
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
