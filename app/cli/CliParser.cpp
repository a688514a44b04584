#include "CliParser.h"

#include "CliExit.h"

#include <cstdio>

CliParser::CliParser(const char* subcommand, const char* synopsis, const char* description)
    : m_subcommand(subcommand), m_synopsis(synopsis) {
  m_parser.setApplicationDescription(QString::fromUtf8(description));
  m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit.")));
}

void CliParser::option(const QStringList& names, const char* help, const char* valueName,
                       const char* defaultValue) {
  m_parser.addOption(QCommandLineOption(names, QString::fromUtf8(help), QString::fromUtf8(valueName),
                                        QString::fromUtf8(defaultValue)));
}

std::vector<std::string> CliParser::positional() const {
  std::vector<std::string> out;
  for (const QString& p : m_parser.positionalArguments()) out.push_back(p.toStdString());
  return out;
}

std::string CliParser::helpText() const {
  // Qt's first line names the program without the subcommand: write our own.
  QString text = m_parser.helpText();
  const auto lineEnd = text.indexOf(QLatin1Char('\n'));
  if (lineEnd >= 0) text.remove(0, lineEnd + 1);
  return "Usage: hyetoscope-cli " + m_subcommand + " " + m_synopsis + "\n" + text.toStdString();
}

int CliParser::usageError(const std::string& text) const {
  return cliFail(kExitUsage, m_subcommand + ": " + text + " (see hyetoscope-cli " + m_subcommand + " --help)");
}

int CliParser::parse(const QStringList& arguments, int minPositional, int maxPositional) {
  // QCommandLineParser expects the program name first.
  QStringList all{QStringLiteral("hyetoscope-cli")};
  all += arguments;
  if (!m_parser.parse(all)) return usageError(m_parser.errorText().toStdString());
  if (isSet("help")) {
    std::fputs(helpText().c_str(), stdout);
    return kExitOk;
  }
  const auto n = static_cast<int>(m_parser.positionalArguments().size());
  if (n < minPositional) return usageError("a file is missing");
  if (maxPositional >= 0 && n > maxPositional) return usageError("too many files");
  return -1;
}
