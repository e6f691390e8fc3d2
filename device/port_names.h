#pragma once
// The COM port names that the port list offers and the search probes, in order.
#include <string>
#include <vector>

namespace tonquil {

constexpr int kFirstPortNumber = 1;
constexpr int kLastPortNumber = 50;

std::u16string PortName(int number);  // "COM<number>"
std::vector<std::u16string> PortNames();

}  // namespace tonquil
