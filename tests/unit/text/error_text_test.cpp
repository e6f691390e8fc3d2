#include "text/error_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tonquil {
namespace {

std::exception_ptr Nested(const char* outer, const char* inner) {
  try {
    try {
      throw std::runtime_error(inner);
    } catch (...) {
      std::throw_with_nested(std::runtime_error(outer));
    }
  } catch (...) {
    return std::current_exception();
  }
}

TEST(ErrorText, AppendsFullStopOnlyAfterCharactersAboveIt) {
  struct Case { const char* message; std::u16string shown; };
  const Case cases[] = {
      {"Port busy", u"Port busy."},
      {"Done.", u"Done."},
      {"Why?", u"Why?."},         // '?' sorts above '.', so it gets one too
      {"Stopped!", u"Stopped!"},  // '!' sorts below '.'
      {"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorText(std::make_exception_ptr(std::runtime_error(c.message))), c.shown) << c.message;
  }
}

TEST(ErrorText, TakesTheInnermostMessageThatIsNotEmpty) {
  EXPECT_EQ(ErrorText(Nested("outer", "inner cause")), u"inner cause.");
  EXPECT_EQ(ErrorText(Nested("outer", "")), u"outer.");
}

TEST(ErrorText, ErrorsWithoutMessageGiveEmptyText) {
  EXPECT_EQ(ErrorText(std::make_exception_ptr(42)), u"");
  EXPECT_EQ(ErrorText(nullptr), u"");
}

TEST(ErrorText, DecodesUtf8Messages) {
  EXPECT_EQ(ErrorText(std::make_exception_ptr(std::runtime_error("\xE8\xA8\xAD\xE5\xAE\x9A"))), u"設定.");
}

}  // namespace
}  // namespace tonquil
