#pragma once
// The message shown when a data file cannot be loaded: the path and the
// reason the data-file library gave, in the program's language.

#include "CLogstore1App.h"

#include <string>

std::string loadFailureText(const std::string& path, logstore::LoadError why);
// The same for the file named on the command line: nothing is shown yet and
// the program ends after the message.
std::string startupLoadFailureText(const std::string& path, logstore::LoadError why);
// The message shown when pending record conditions cannot be written.
std::string saveFailureText(const std::string& path);
