#pragma once
// CliParser: the command line of one subcommand, over QCommandLineParser:
// its usage line, --help, and the split between "go on", "help shown" and
// "wrong usage" that every subcommand makes the same way.

#include <QCommandLineParser>
#include <QStringList>

#include <string>
#include <vector>

class CliParser {
 public:
  // synopsis: what follows the subcommand on the usage line.
  CliParser(const char* subcommand, const char* synopsis, const char* description);

  // Adds an option taking a value (valueName non-empty) or a flag.
  void option(const QStringList& names, const char* help, const char* valueName = "",
              const char* defaultValue = "");

  // Describes a positional argument in the help.
  void argument(const char* name, const char* help) {
    m_parser.addPositionalArgument(QString::fromUtf8(name), QString::fromUtf8(help));
  }

  // Parses the subcommand's arguments. Returns -1 to go on; otherwise the
  // exit code after printing the help (0) or the usage error (1).
  int parse(const QStringList& arguments, int minPositional, int maxPositional);

  bool isSet(const char* name) const { return m_parser.isSet(QString::fromUtf8(name)); }
  std::string value(const char* name) const { return m_parser.value(QString::fromUtf8(name)).toStdString(); }
  std::vector<std::string> positional() const;

  // The full help text (usage line first).
  std::string helpText() const;
  // Prints a usage error about this subcommand and returns kExitUsage.
  int usageError(const std::string& text) const;

 private:
  std::string m_subcommand;
  std::string m_synopsis;
  QCommandLineParser m_parser;
};
