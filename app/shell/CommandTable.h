#pragma once
// CommandTable: every command of the main window in one table - its number,
// the menu it sits in and its exact text, the keys that fire it, its toolbar
// slot, its status-bar prompt and tooltip, and whether this build carries it
// out. The main frame builds its menus, accelerators and toolbar from it and
// nothing else; tests read it without a display.

#include "CommandEnabling.h"

#include <span>
#include <string>
#include <vector>

struct CommandRow {
  int id;               // 0: a separator in its menu
  int menu;             // index into menuTitles(); -1 when not in a menu
  const char* text;     // menu text, key shown after a tab
  const char* keys;     // keys that fire it, portable key names, or ""
  int toolbarSlot;      // position on the toolbar, -1 when not there
  const char* prompt;   // status-bar prompt
  const char* tooltip;  // toolbar tooltip
  bool built;           // carried out by this build
};

std::span<const CommandRow> commandTable();
std::span<const char* const> menuTitles();
const CommandRow* findCommand(int id);

// Toolbar slots in order; 0 marks the gap.
std::vector<int> toolbarLayout();

struct Accelerator {
  std::string key;
  int id;
};
std::vector<Accelerator> accelerators();

// Whether the command can run now: built, and allowed by the document.
bool commandEnabled(int id, const EnablingInputs& in);

// The status text while nothing is being pointed at.
extern const char* const kIdlePrompt;    // "ﾚﾃﾞｨ"
extern const char* const kProgramTitle;  // "HY for Windows"
