#pragma once
// A strict reader of the JSON that the program writes for scripts: one object of
// strings, booleans and nested objects. Members come back flat, a nested one's key
// prefixed with its object's key and a dot; booleans as "true" or "false"; strings as
// UTF-8. Anything that is not such JSON throws.
#include <map>
#include <string>

namespace tonquil::e2e {

std::map<std::string, std::string> ReadJsonObject(const std::string& text);

}  // namespace tonquil::e2e
