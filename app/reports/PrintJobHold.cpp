#include "PrintJobHold.h"

#include "RecordingState.h"

namespace {
int g_runningJobs = 0;
}

PrintJobHold::PrintJobHold(RecordingState& state) : m_state(state), m_savedModified(state.dataModified) {
  m_state.dataModified = 0;
  ++g_runningJobs;
}

PrintJobHold::~PrintJobHold() {
  m_state.dataModified = m_savedModified;
  --g_runningJobs;
}

bool PrintJobHold::jobRunning() { return g_runningJobs > 0; }
