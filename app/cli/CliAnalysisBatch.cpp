#include "CliAnalysisBatch.h"

#include "CliBatch.h"
#include "CliExit.h"
#include "RecordedSlots.h"

#include <cstdio>

int runAnalysisBatch(const CliParser& cli, const char* patternExample,
                     const std::function<std::string(const RainSlots&)>& text) {
  const std::vector<std::string> files = cli.positional();
  std::vector<OutputFields> inputs;
  for (const std::string& path : files) inputs.push_back({path, "", ""});
  std::vector<std::string> outputs;
  if (int done = planOptionalOutputs(cli, inputs, patternExample, outputs); done >= 0) return done;

  RecordedSlots recorded;
  const int status = forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    if (!recorded.build(file.doc().recording()))
      return cliFail(kExitBadInput, "記録ﾃﾞｰﾀ " + files[k] + " の記録間隔が600秒ではありません。");
    const std::string bytes = text(recorded.view());
    if (outputs.empty()) {
      const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
      return written ? int(kExitOk) : notWritable("standard output");
    }
    return writeWholeFile(outputs[k], bytes) ? int(kExitOk) : notWritable(outputs[k]);
  });
  if (std::fflush(stdout) != 0) return notWritable("standard output");
  return status;
}
