// The one table of console operations: tool buttons, menu entries, keys and the remote
// control all run a command through it, so a new way of driving the station adds no new
// door. The station defines the operations on its subsystems; the window adds those that
// need it (boxes, focus, the screen).
#pragma once

#include "station/ConsoleCommand.h"

#include <functional>
#include <unordered_map>

class ConsoleCommands {
 public:
  // deck is 1 or 2 for the commands of one deck, else 0.
  using Operation = std::function<void(int deck)>;

  // Replaces what the command did before.
  void Define(ConsoleCommand command, Operation operation);
  bool Defined(ConsoleCommand command) const;
  // Runs the command; false when nothing is defined for it (a part not built here).
  bool Run(ConsoleCommand command, int deck = 0) const;

 private:
  std::unordered_map<ConsoleCommand, Operation> table_;
};
