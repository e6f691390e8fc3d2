#include "text/error_text.h"

#include "text/utf8.h"

namespace tonquil {
namespace {

// Walks the chain of nested errors from the outside in and keeps the last message
// that is not empty. Errors that are not std::exception carry no message.
std::string InnermostMessage(std::exception_ptr error) {
  std::string message;
  while (error) {
    std::exception_ptr inner;
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      if (e.what() != nullptr && *e.what() != '\0') message = e.what();
      if (auto* nested = dynamic_cast<const std::nested_exception*>(&e)) inner = nested->nested_ptr();
    } catch (...) {
    }
    error = inner;
  }
  return message;
}

}  // namespace

std::u16string ErrorText(std::exception_ptr error) {
  std::u16string text = Utf8ToUtf16(InnermostMessage(error));
  if (!text.empty() && text.back() > u'.') text += u'.';
  return text;
}

}  // namespace tonquil
