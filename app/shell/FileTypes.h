#pragma once
// Registration of the data-file types .hyy and .hyx in the user's desktop
// data: a shared-mime-info package and a desktop entry that opens them with
// this program. Written at every start; a file is rewritten only when its
// text changed, and every failure is ignored (the program works without).

#include <filesystem>
#include <string>

extern const char* const kDocumentMimeType;  // application/x-hyetoscope-document

std::string mimePackageText();
std::string desktopEntryText(const std::string& programPath);

// Writes both files under dataHome (the user's XDG data folder). Returns the
// number of files now holding the wanted text (for tests; callers ignore it).
int registerFileTypes(const std::filesystem::path& dataHome, const std::string& programPath);

// The user's XDG data folder: $XDG_DATA_HOME, else $HOME/.local/share;
// empty when neither is set.
std::filesystem::path userDataHome();
