#include "CliBatch.h"

#include "AtomicFile.h"
#include "CliExit.h"
#include "CliInterrupt.h"

#include <QFileInfo>

int planBatchOutputs(const CliParser& cli, const std::vector<OutputFields>& inputs,
                     std::initializer_list<const char*> suffixes, std::vector<std::string>& outputs) {
  std::string names;
  for (const char* s : suffixes) names += std::string(names.empty() ? "" : " or ") + "." + s;
  if (!cli.isSet("output")) return cli.usageError("-o OUT (" + names + ") is required");
  const std::string suffix =
      QFileInfo(QString::fromStdString(cli.value("output"))).suffix().toLower().toStdString();
  bool known = false;
  for (const char* s : suffixes) known = known || suffix == s;
  if (!known) return cli.usageError("the output must end in " + names);
  OutputPlan plan = planOutputs(cli.value("output"), inputs);
  if (!plan.error.empty()) return cli.usageError(plan.error);
  outputs = std::move(plan.outputs);
  return -1;
}

int planOptionalOutputs(const CliParser& cli, const std::vector<OutputFields>& inputs, const char* patternExample,
                        std::vector<std::string>& outputs) {
  if (cli.isSet("output")) {
    OutputPlan plan = planOutputs(cli.value("output"), inputs);
    if (!plan.error.empty()) return cli.usageError(plan.error);
    outputs = std::move(plan.outputs);
  } else if (inputs.size() > 1) {
    return cli.usageError(std::string("several files need -o with a pattern such as '") + patternExample + "'");
  }
  return -1;
}

bool isPngPath(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).suffix().toLower() == QLatin1String("png");
}

int forEachRecording(const std::vector<OutputFields>& inputs,
                     const std::function<int(CliRecording& file, size_t index)>& step) {
  CliRecording file;
  int status = kExitOk;
  for (size_t k = 0; k < inputs.size(); ++k) {
    // Ctrl+C: the file in hand is finished, the others are left alone.
    if (interruptRequested()) return cliFail(kExitInterrupted, "interrupted before " + inputs[k].input);
    const int result = file.open(inputs[k].input) ? step(file, k) : cliFail(kExitBadInput, file.message());
    if (result == kExitHandOver) return result;
    if (result != kExitOk) status = result;
  }
  return status;
}

int notWritable(const std::string& path) { return cliFail(kExitBadInput, path + " に書き込めません。"); }

bool writeWholeFile(const std::string& path, const std::string& bytes) {
  logstore::AtomicFile file;
  if (file.begin(path) && file.write(bytes.data(), bytes.size()) && file.commit()) return true;
  file.abandon();
  return false;
}
