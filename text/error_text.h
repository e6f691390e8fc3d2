#pragma once
// The text shown for an error that escaped to the message loop or the entry point:
// the message of the innermost nested error that carries one, ending with a full
// stop unless it already ends in punctuation at or below '.'.
#include <exception>
#include <string>

namespace tonquil {

std::u16string ErrorText(std::exception_ptr error);

}  // namespace tonquil
