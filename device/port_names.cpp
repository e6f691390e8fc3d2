#include "device/port_names.h"

namespace tonquil {

std::u16string PortName(int number) {
  const std::string digits = std::to_string(number);
  return u"COM" + std::u16string(digits.begin(), digits.end());
}

std::vector<std::u16string> PortNames() {
  std::vector<std::u16string> names;
  for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) names.push_back(PortName(n));
  return names;
}

}  // namespace tonquil
