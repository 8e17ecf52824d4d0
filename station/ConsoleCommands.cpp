#include "station/ConsoleCommands.h"

void ConsoleCommands::Define(ConsoleCommand command, Operation operation) {
  if (operation)
    table_[command] = std::move(operation);
  else
    table_.erase(command);
}

bool ConsoleCommands::Defined(ConsoleCommand command) const { return table_.count(command) != 0; }

bool ConsoleCommands::Run(ConsoleCommand command, int deck) const {
  const auto it = table_.find(command);
  if (it == table_.end()) return false;
  // A copy: an operation may redefine its own command while it runs.
  const Operation operation = it->second;
  operation(deck);
  return true;
}
