#include "wine_env.h"

#include <cstdlib>
#include <stdexcept>

namespace tonquil::e2e {
namespace {

std::string Required(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    throw std::runtime_error(std::string(name) +
                             " is not set: run these tests through ctest, which sets up Wine");
  }
  return value;
}

}  // namespace

std::string TonquilExePath() { return TONQUIL_E2E_EXE; }
std::string DriverExePath() { return TONQUIL_E2E_DRIVER; }
std::string EmulatorPath() { return TONQUIL_E2E_EMULATOR; }

std::string WinePrefix() {
  Required("DISPLAY");
  return Required("WINEPREFIX");
}

std::vector<std::string> WineCommand(const std::string& program, const std::vector<std::string>& args) {
  WinePrefix();
  // Without address randomisation: with it, about one Wine start in a few hundred fails
  // before the program runs ("failed to map the shared user data"), silently under
  // WINEDEBUG=-all, with exit code 1.
  std::vector<std::string> command = {"setarch", "-R", "wine", program};
  command.insert(command.end(), args.begin(), args.end());
  return command;
}

}  // namespace tonquil::e2e
