#include "FileTypes.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

const char* const kDocumentMimeType = "application/x-hyetoscope-document";

std::string mimePackageText() {
  std::ostringstream s;
  s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    << "  <mime-type type=\"" << kDocumentMimeType << "\">\n"
    << "    <comment>Hyeto Document</comment>\n"
    << "    <glob pattern=\"*.hyy\"/>\n"
    << "    <glob pattern=\"*.hyx\"/>\n"
    << "    <glob pattern=\"*.HYY\"/>\n"
    << "    <glob pattern=\"*.HYX\"/>\n"
    << "  </mime-type>\n"
    << "</mime-info>\n";
  return s.str();
}

namespace {
// Desktop entries quote arguments with double quotes; these four characters
// need a backslash inside them.
std::string quotedExec(const std::string& path) {
  std::string out = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool writeIfChanged(const std::filesystem::path& file, const std::string& text) {
  std::error_code ec;
  {
    std::ifstream in(file, std::ios::binary);
    if (in) {
      std::ostringstream old;
      old << in.rdbuf();
      if (old.str() == text) return true;
    }
  }
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) return false;
  // Write beside and rename, so a reader never sees half a file.
  const std::filesystem::path temp = file.string() + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}
}  // namespace

std::string desktopEntryText(const std::string& programPath) {
  std::ostringstream s;
  s << "[Desktop Entry]\n"
    << "Type=Application\n"
    << "Name=HY for Windows\n"
    << "Comment=Hyeto Document\n"
    << "Exec=" << quotedExec(programPath) << " %f\n"
    << "Icon=hyetoscope\n"
    << "Terminal=false\n"
    << "Categories=Science;Utility;\n"
    << "MimeType=" << kDocumentMimeType << ";\n";
  return s.str();
}

int registerFileTypes(const std::filesystem::path& dataHome, const std::string& programPath) {
  if (dataHome.empty()) return 0;
  int written = 0;
  if (writeIfChanged(dataHome / "mime" / "packages" / "hyetoscope.xml", mimePackageText())) ++written;
  if (writeIfChanged(dataHome / "applications" / "hyetoscope.desktop", desktopEntryText(programPath)))
    ++written;
  return written;
}

std::filesystem::path userDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".local" / "share";
  return {};
}
