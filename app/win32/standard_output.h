#pragma once
// Text for a script from a program without a console of its own: to the handles it was
// given (a file or a pipe: UTF-8), else to the console of the program that started it,
// else nowhere.
#include <string>

namespace tonquil {

enum class Stream { Output, Error };

void WriteTo(Stream stream, const std::u16string& text);

}  // namespace tonquil
