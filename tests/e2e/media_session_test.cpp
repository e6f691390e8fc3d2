// The system's media session, played by the test double tqsession.dll: registered in the
// prefix as the platform's class, it is there for a program whose folder holds a folder
// media_session, records what the program sets into media_session/state.txt and presses
// the session's buttons on a thread of its own when the test writes a word into
// media_session/press. Without that folder the class is absent, as under Wine itself, and
// the media keys work as hot keys (media_keys_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <thread>

#include "harness/linked_module_test.h"
#include "harness/options_dialog.h"
#include "harness/wait_until.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

const std::string kMediaKeysCaption = "メディアキーで操作する";
constexpr milliseconds kSessionTimeout{10000};
// What an exchange of one command costs at most on a busy machine, to be sure that a
// press which must send nothing has had its chance before the marker is pressed.
constexpr milliseconds kSettle{1500};
const char* const kButtons[] = {"play", "pause", "stop", "next", "previous"};

// The double where the prefix's registration looks for it, fresh from the build; replaced
// by a rename, so that a program of an earlier test that still maps the old file keeps it.
void InstallSessionDouble() {
  const std::filesystem::path folder = std::filesystem::path(WinePrefix()) / "drive_c" / "tonquil-tests";
  std::filesystem::create_directories(folder);
  const std::filesystem::path fresh = folder / "tqsession.dll.new";
  std::filesystem::copy_file(TONQUIL_E2E_SESSION_DOUBLE, fresh, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::rename(fresh, folder / "tqsession.dll");
}

class MediaSession : public LinkedModuleTest {
 protected:
  MediaSession() {
    InstallSessionDouble();
    std::filesystem::create_directory(folder_.File("media_session"));
  }

  // What the program set last, as the double recorded it.
  Fields Session() const {
    Fields fields;
    std::istringstream text(ReadWholeFile(folder_.File("media_session/state.txt")));
    for (std::string line; std::getline(text, line);) {
      const size_t equals = line.find('=');
      if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return fields;
  }
  bool SessionShows(const Fields& wanted) {
    return WaitUntil(
        [&] {
          const Fields session = Session();
          for (const auto& [key, value] : wanted) {
            const auto found = session.find(key);
            if (found == session.end() || found->second != value) return false;
          }
          return true;
        },
        kSessionTimeout);
  }
  // Whether every button of the session is offered ("1") or none is ("0").
  Fields Buttons(const std::string& flag) const {
    Fields fields;
    for (const char* button : kButtons) fields[button] = flag;
    return fields;
  }

  // A button pressed in the flyout; returns once the double has handed it to the program.
  void PressInSession(const std::string& word) {
    const std::string presses_before = Session()["presses"];
    WriteWholeFile(folder_.File("media_session/press"), word);
    const bool taken = WaitUntil([&] { return Session()["presses"] != presses_before; }, kSessionTimeout);
    if (!taken) throw std::runtime_error("the session double did not press " + word);
  }
  std::string PressBytes(const std::string& word, size_t& done, size_t count) {
    PressInSession(word);
    const std::string bytes = BytesFrom(done, count);
    done += bytes.size();
    return bytes;
  }

  bool KeyIsFree(const std::string& name) { return driver_.Try({"hold-media-key", name, "0"}).exit_code == 0; }

  void SetMediaKeysBox(bool ticked) {
    OpenOptionsDialog(driver_);
    driver_.Run({"check", kOptionClass, kMediaKeysCaption, ticked ? "1" : "0"});
    CloseOptionsDialog(driver_);
  }
};

TEST_F(MediaSession, ShowsTheSongAsTheDisplayShowsItAndClosesWithThePort) {
  LinkModule();
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}));
  StartTonquil();
  ASSERT_TRUE(SessionShows({{"window", "TTNQL_MEDIA_SESSION"}, {"window_visible", "0"}, {"handlers", "1"}}))
      << "a hidden window of its own";
  EXPECT_TRUE(SessionShows({{"status", "Closed"}, {"enabled", "1"}})) << "no port yet";
  EXPECT_TRUE(SessionShows(Buttons("0")));

  Press("Open");
  Press(">|");
  const Fields shown = Shown();
  ASSERT_FALSE(shown.at("title").empty()) << "a song of the emulated library";
  EXPECT_TRUE(SessionShows({{"type", "Music"},
                            {"title", shown.at("title")},
                            {"artist", shown.at("artist").empty() ? shown.at("game") : shown.at("artist")},
                            {"album", shown.at("game")},
                            {"status", "Stopped"}}))
      << "after the song change";
  EXPECT_TRUE(SessionShows(Buttons("1")));

  Press("Close");
  EXPECT_TRUE(SessionShows({{"status", "Closed"}}));
  EXPECT_TRUE(SessionShows(Buttons("0")));
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_TRUE(SessionShows({{"handlers", "0"}, {"enabled", "0"}})) << "released at exit";
}

TEST_F(MediaSession, EachButtonActsAsItsMediaKeyAndTheStatusFollows) {
  LinkModule();
  StartAndOpen();
  ASSERT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes);
  ASSERT_TRUE(SessionShows({{"status", "Stopped"}}));
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(PressBytes("next", done, 2), "cP");
  EXPECT_EQ(PressBytes("previous", done, 2), "xP");
  EXPECT_EQ(PressBytes("play", done, 2), "bP") << "stopped: the play button";
  EXPECT_TRUE(SessionShows({{"status", "Playing"}}));
  EXPECT_EQ(PressBytes("pause", done, 1), "p");
  EXPECT_TRUE(SessionShows({{"status", "Paused"}}));
  PressInSession("pause");
  std::this_thread::sleep_for(kSettle);
  EXPECT_EQ(PressBytes("play", done, 1), "p") << "paused, pause sends nothing and play resumes";
  EXPECT_TRUE(SessionShows({{"status", "Playing"}}));
  EXPECT_EQ(PressBytes("stop", done, 2), "bP") << "the play button stops";
  EXPECT_TRUE(SessionShows({{"status", "Stopped"}}));
  EXPECT_EQ(Shown(), State());
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaSession, TheHotKeysAreLeftToOthersAndTheBoxSwitchesTheButtons) {
  LinkModule();
  StartAndOpen();
  ASSERT_TRUE(SessionShows(Buttons("1")));
  for (const char* key : {"next", "prev", "play", "stop"}) EXPECT_TRUE(KeyIsFree(key)) << key;

  SetMediaKeysBox(false);
  EXPECT_TRUE(SessionShows(Buttons("0")));
  const Fields before = Session();
  PressInSession("next");
  std::this_thread::sleep_for(kSettle);
  SetMediaKeysBox(true);
  EXPECT_TRUE(SessionShows(Buttons("1")));
  EXPECT_TRUE(KeyIsFree("next")) << "ticked again, still no hot key";
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(PressBytes("previous", done, 2), "xP") << "nothing came of the press while the box was clear";
  EXPECT_EQ(before.at("title"), Session().at("title")) << "the display stayed";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaSession, ClickingTheSessionBringsTheWindowOutOfTheTray) {
  LinkModule();
  StartAndOpen();
  driver_.Run({"minimize", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return !driver_.Rect(kMainClass).Flag("visible"); }, kSessionTimeout));
  PressInSession("activate");
  EXPECT_TRUE(WaitUntil([&] { return driver_.Rect(kMainClass).Flag("visible"); }, kSessionTimeout));
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
