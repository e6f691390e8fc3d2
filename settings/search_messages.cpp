#include "settings/search_messages.h"

namespace tonquil {

std::u16string FoundText(const std::u16string& port) { return port + std::u16string(kSearchFound.text); }

}  // namespace tonquil
