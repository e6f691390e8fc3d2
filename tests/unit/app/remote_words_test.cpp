// The command words of a new start: every word in every form, and what is no word.
#include "app/remote_words.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

using Words = std::vector<RemoteWord>;

TEST(RemoteWords, EveryWordInEveryFormAndCase) {
  const std::pair<const char16_t*, RemoteWord> names[] = {
      {u"next", RemoteWord::Next},       {u"prev", RemoteWord::Prev},     {u"play", RemoteWord::Play},
      {u"pause", RemoteWord::Pause},     {u"nextdir", RemoteWord::NextDir}, {u"prevdir", RemoteWord::PrevDir},
      {u"speed", RemoteWord::Speed},     {u"loop", RemoteWord::Loop},     {u"repeat", RemoteWord::Repeat},
      {u"reset", RemoteWord::Reset},     {u"open", RemoteWord::Open},     {u"close", RemoteWord::Close},
      {u"show", RemoteWord::Show},       {u"tray", RemoteWord::Tray},     {u"exit", RemoteWord::Exit},
      {u"status", RemoteWord::Status},   {u"help", RemoteWord::Help}};
  for (const auto& [name, word] : names) {
    const std::u16string n(name);
    std::u16string upper = n;
    for (char16_t& c : upper) c = static_cast<char16_t>(c - u'a' + u'A');
    for (const std::u16string& argument : {u"/" + n, u"-" + n, u"--" + n, u"/" + upper, u"--" + upper}) {
      const RemoteArguments parsed = ParseRemoteArguments({argument});
      EXPECT_FALSE(parsed.unknown.has_value());
      EXPECT_EQ(parsed.words, Words{word});
    }
    EXPECT_EQ(NameOf(word), n);
  }
}

TEST(RemoteWords, TheButtonWordsClickTheirButtons) {
  EXPECT_EQ(ButtonOf(RemoteWord::Next), ButtonAction::NextSong);
  EXPECT_EQ(ButtonOf(RemoteWord::Prev), ButtonAction::PrevSong);
  EXPECT_EQ(ButtonOf(RemoteWord::Play), ButtonAction::Play);
  EXPECT_EQ(ButtonOf(RemoteWord::Pause), ButtonAction::Pause);
  EXPECT_EQ(ButtonOf(RemoteWord::NextDir), ButtonAction::NextDir);
  EXPECT_EQ(ButtonOf(RemoteWord::PrevDir), ButtonAction::PrevDir);
  EXPECT_EQ(ButtonOf(RemoteWord::Speed), ButtonAction::Speed);
  EXPECT_EQ(ButtonOf(RemoteWord::Loop), ButtonAction::Loop);
  EXPECT_EQ(ButtonOf(RemoteWord::Repeat), ButtonAction::Repeat);
  EXPECT_EQ(ButtonOf(RemoteWord::Reset), ButtonAction::Reset);
  for (RemoteWord word : {RemoteWord::Open, RemoteWord::Close, RemoteWord::Show, RemoteWord::Tray, RemoteWord::Exit,
                          RemoteWord::Status, RemoteWord::Help}) {
    EXPECT_FALSE(ButtonOf(word).has_value()) << std::string(NameOf(word).begin(), NameOf(word).end());
  }
}

TEST(RemoteWords, SeveralWordsKeepTheirOrder) {
  const RemoteArguments parsed = ParseRemoteArguments({u"/open", u"-NEXT", u"--status", u"/open"});
  EXPECT_FALSE(parsed.unknown.has_value());
  EXPECT_EQ(parsed.words, (Words{RemoteWord::Open, RemoteWord::Next, RemoteWord::Status, RemoteWord::Open}));
  EXPECT_TRUE(ParseRemoteArguments({}).words.empty());
  EXPECT_FALSE(ParseRemoteArguments({}).unknown.has_value());
}

TEST(RemoteWords, AStartWithoutArgumentsIsToldFromTheCommandLineAlone) {
  for (const std::u16string_view line : {u"", u"Tonquil.exe", u"Tonquil.exe  \t ", u"\"C:\\My Tools\\Tonquil.exe\"",
                                         u"\"C:\\My Tools\\Tonquil.exe\" \t", u"\"C:\\no closing quote /next"}) {
    EXPECT_FALSE(HasArgumentsAfterProgramName(line)) << std::string(line.begin(), line.end());
  }
  for (const std::u16string_view line : {u"Tonquil.exe /next", u"Tonquil.exe\t/next", u"Tonquil.exe \"\"",
                                         u"\"C:\\My Tools\\Tonquil.exe\" /tray /open", u"\"C:\\Tonquil.exe\"/next",
                                         u"  /next"}) {
    EXPECT_TRUE(HasArgumentsAfterProgramName(line)) << std::string(line.begin(), line.end());
  }
}

TEST(RemoteWords, AnythingElseIsUnknownAndNamed) {
  for (const std::u16string argument :
       {u"", u"next", u"/", u"-", u"--", u"---next", u"//next", u"/next ", u" /next", u"/nex", u"/nextt",
        u"/ｎｅｘｔ", u"/status=1", u"-n"}) {
    const RemoteArguments parsed = ParseRemoteArguments({u"/pause", argument, u"/next"});
    EXPECT_EQ(parsed.unknown, argument) << std::string(argument.begin(), argument.end());
    EXPECT_EQ(parsed.words, Words{RemoteWord::Pause}) << "the words before it";
  }
}

TEST(RemoteWords, OnlyTrayOpenAndShowStartTheProgram) {
  EXPECT_TRUE(StartsTheProgram({RemoteWord::Tray, RemoteWord::Open}));
  EXPECT_TRUE(StartsTheProgram({RemoteWord::Show}));
  EXPECT_FALSE(StartsTheProgram({}));
  EXPECT_FALSE(StartsTheProgram({RemoteWord::Tray, RemoteWord::Next}));
  EXPECT_FALSE(StartsTheProgram({RemoteWord::Status}));
  EXPECT_FALSE(StartsTheProgram({RemoteWord::Exit}));
}

TEST(RemoteWords, OnlyStatusAndShowActUnderAModalWindow) {
  for (int i = 0; i <= static_cast<int>(RemoteWord::Help); ++i) {
    const auto word = static_cast<RemoteWord>(i);
    EXPECT_EQ(ActsUnderModalWindow(word), word == RemoteWord::Status || word == RemoteWord::Show) << i;
  }
}

TEST(RemoteWords, UsageListsEveryWord) {
  const std::u16string usage = RemoteUsage();
  for (int i = 0; i <= static_cast<int>(RemoteWord::Help); ++i) {
    const std::u16string name(NameOf(static_cast<RemoteWord>(i)));
    EXPECT_NE(usage.find(u"/" + name + u" "), std::u16string::npos) << i;
  }
  EXPECT_EQ(usage.back(), u'\n');
}

}  // namespace
}  // namespace tonquil
