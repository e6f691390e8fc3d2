#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

std::u16string Reformat(std::u16string_view text) { return IniDocument::Parse(text).Format(); }

TEST(IniDocument, DropsCommentsBlankLinesAndLinesBeforeTheFirstSection) {
  const std::u16string text =
      u"; written by hand\r\n"
      u"orphan=1\r\n"
      u"  [ Main ]  \r\n"
      u" X = 5 \r\n"
      u";X=9\r\n"
      u"\t\r\n"
      u"free text\r\n"
      u"[Other]\r\n"
      u"a = b = c\r\n";
  EXPECT_EQ(Reformat(text),
            u"[Main]\r\nX=5\r\nfree text\r\n\r\n"
            u"[Other]\r\na=b = c\r\n\r\n");
  const IniDocument document = IniDocument::Parse(text);
  ASSERT_NE(document.Find(u"Other", u"a"), nullptr);
  EXPECT_EQ(*document.Find(u"Other", u"a"), u"b = c");
  EXPECT_EQ(document.Find(u"Main", u"free text"), nullptr);
  EXPECT_EQ(document.Find(u"Main", u";X"), nullptr);
}

TEST(IniDocument, TrimsControlCharactersAroundLinesKeysAndValues) {
  const IniDocument document = IniDocument::Parse(u"\x01[S]\x7F\n\x85k\x1F=\x02v\u0090\n");
  ASSERT_NE(document.Find(u"S", u"k"), nullptr);
  EXPECT_EQ(*document.Find(u"S", u"k"), u"v");
  // A full-width space is text, not white space.
  EXPECT_EQ(*IniDocument::Parse(u"[S]\nk=\u3000v").Find(u"S", u"k"), u"\u3000v");
}

TEST(IniDocument, RecognisesOnlyBracketedLinesAsHeaders) {
  EXPECT_EQ(Reformat(u"[S]\n[\nx[y]\n[a] b\n"), u"[S]\r\n[\r\nx[y]\r\n[a] b\r\n\r\n");
  EXPECT_EQ(Reformat(u"[]\nk=1\n[a=b]\n"), u"[]\r\nk=1\r\n\r\n[a=b]\r\n\r\n");
}

TEST(IniDocument, MatchesNamesRegardlessOfAsciiCaseOnly) {
  const IniDocument document = IniDocument::Parse(u"[main]\r\nx=5\r\n");
  ASSERT_NE(document.Find(u"Main", u"X"), nullptr);
  EXPECT_EQ(*document.Find(u"MAIN", u"x"), u"5");
  EXPECT_TRUE(IniNamesEqual(u"NoTaskTray", u"notasktray"));
  EXPECT_FALSE(IniNamesEqual(u"@[", u"`{"));  // differ by 0x20 but are not letters
  EXPECT_FALSE(IniNamesEqual(u"\u00C4", u"\u00E4"));
  EXPECT_FALSE(IniNamesEqual(u"X", u"X "));
}

TEST(IniDocument, FindsTheFirstOfDuplicateSectionsAndKeys) {
  IniDocument document = IniDocument::Parse(u"[A]\nk=1\nk=2\n[B]\n[a]\nk=3\nj=4\n");
  EXPECT_EQ(*document.Find(u"A", u"k"), u"1");
  EXPECT_EQ(document.Find(u"A", u"j"), nullptr);
  document.Set(u"a", u"K", u"5");
  document.Set(u"A", u"j", u"6");
  EXPECT_EQ(document.Format(),
            u"[A]\r\nK=5\r\nk=2\r\nj=6\r\n\r\n[B]\r\n\r\n[a]\r\nk=3\r\nj=4\r\n\r\n");
}

TEST(IniDocument, KeepsAPresentEmptyValueApartFromAnAbsentKey) {
  const IniDocument document = IniDocument::Parse(u"[S]\nempty=\nbare\n");
  ASSERT_NE(document.Find(u"S", u"empty"), nullptr);
  EXPECT_EQ(*document.Find(u"S", u"empty"), u"");
  EXPECT_EQ(document.Find(u"S", u"bare"), nullptr);
}

struct SetCase {
  const char* name;
  std::u16string before;
  std::u16string_view section;
  std::u16string_view key;
  std::u16string after;
};

TEST(IniDocument, SetReplacesInPlaceOrAppendsToTheRightSection) {
  const SetCase cases[] = {
      {"replaced under the caller's spelling", u"[main]\nx=5\ny=6\n", u"Main", u"X",
       u"[main]\r\nX=7\r\ny=6\r\n\r\n"},
      {"appended to its own section", u"[A]\na=1\n[B]\nb=1\n", u"A", u"c",
       u"[A]\r\na=1\r\nc=7\r\n\r\n[B]\r\nb=1\r\n\r\n"},
      {"new section at the end", u"[A]\na=1\n", u"Option", u"X",
       u"[A]\r\na=1\r\n\r\n[Option]\r\nX=7\r\n\r\n"},
      {"bare line of the same text stays", u"[S]\nk\n", u"S", u"k", u"[S]\r\nk\r\nk=7\r\n\r\n"},
      {"into an empty document", u"", u"Main", u"X", u"[Main]\r\nX=7\r\n\r\n"},
  };
  for (const SetCase& c : cases) {
    IniDocument document = IniDocument::Parse(c.before);
    document.Set(c.section, c.key, u"7");
    EXPECT_EQ(document.Format(), c.after) << c.name;
  }
}

}  // namespace
}  // namespace tonquil
