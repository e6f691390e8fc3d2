#include "app/media_keys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tonquil {
namespace {

using ::testing::ElementsAre;

TEST(MediaKeyAction, TrackKeysAreTheSongButtonsWhateverTheModuleDoes) {
  for (std::u16string_view label : {u"Playing", u"Paused", u"Stop", u""}) {
    EXPECT_EQ(ActionOf(MediaKey::NextTrack, label), ButtonAction::NextSong);
    EXPECT_EQ(ActionOf(MediaKey::PrevTrack, label), ButtonAction::PrevSong);
  }
}

TEST(MediaKeyAction, PlayPausePausesASongUnderWayAndStartsOtherwise) {
  EXPECT_EQ(ActionOf(MediaKey::PlayPause, u"Playing"), ButtonAction::Pause);
  EXPECT_EQ(ActionOf(MediaKey::PlayPause, u"Paused"), ButtonAction::Pause) << "pause again resumes";
  for (std::u16string_view label : {u"Stop", u"Stopped", u"__________", u"", u"playing", u"Playing "}) {
    EXPECT_EQ(ActionOf(MediaKey::PlayPause, label), ButtonAction::Play) << std::string(label.begin(), label.end());
  }
}

TEST(MediaKeyAction, StopStopsASongUnderWayAndOtherwiseDoesNothing) {
  EXPECT_EQ(ActionOf(MediaKey::Stop, u"Playing"), ButtonAction::Play);
  EXPECT_EQ(ActionOf(MediaKey::Stop, u"Paused"), ButtonAction::Play);
  for (std::u16string_view label : {u"Stop", u"Stopped", u"", u"Paused\r"}) {
    EXPECT_EQ(ActionOf(MediaKey::Stop, label), std::nullopt) << std::string(label.begin(), label.end());
  }
}

TEST(SessionButtonAction, EachButtonRunsTheHandlerOfItsKey) {
  for (std::u16string_view label : {u"Playing", u"Paused", u"Stopped", u""}) {
    EXPECT_EQ(ActionOf(SessionButton::Next, label), ActionOf(MediaKey::NextTrack, label));
    EXPECT_EQ(ActionOf(SessionButton::Previous, label), ActionOf(MediaKey::PrevTrack, label));
    EXPECT_EQ(ActionOf(SessionButton::Stop, label), ActionOf(MediaKey::Stop, label));
  }
  EXPECT_EQ(ActionOf(SessionButton::Next, u"Stopped"), ButtonAction::NextSong);
  EXPECT_EQ(ActionOf(SessionButton::Stop, u"Stopped"), std::nullopt);
}

TEST(SessionButtonAction, PlayAndPauseOnlyGoTheWayTheyAsk) {
  EXPECT_EQ(ActionOf(SessionButton::Play, u"Stopped"), ButtonAction::Play) << "starts";
  EXPECT_EQ(ActionOf(SessionButton::Play, u""), ButtonAction::Play);
  EXPECT_EQ(ActionOf(SessionButton::Play, u"Paused"), ButtonAction::Pause) << "resumes";
  EXPECT_EQ(ActionOf(SessionButton::Play, u"Playing"), std::nullopt) << "would pause";
  EXPECT_EQ(ActionOf(SessionButton::Pause, u"Playing"), ButtonAction::Pause);
  EXPECT_EQ(ActionOf(SessionButton::Pause, u"Paused"), std::nullopt) << "would resume";
  EXPECT_EQ(ActionOf(SessionButton::Pause, u"Stopped"), std::nullopt) << "would start";
}

// Hot keys as the system hands them out: a key that another program holds is refused.
class FakeHotKeys : public HotKeyApi {
 public:
  std::set<MediaKey> taken_elsewhere;
  std::set<MediaKey> held;
  std::vector<std::string> calls;

  bool Register(MediaKey key) override {
    calls.push_back("register " + Name(key));
    if (taken_elsewhere.count(key) != 0 || !held.insert(key).second) return false;
    return true;
  }
  void Unregister(MediaKey key) override {
    calls.push_back("unregister " + Name(key));
    EXPECT_EQ(held.erase(key), 1u) << "only a key held here is given back";
  }
  static std::string Name(MediaKey key) {
    const char* names[] = {"next", "prev", "play", "stop"};
    return names[static_cast<int>(key)];
  }
};

TEST(MediaKeyControl, TakesAllFourKeysWhenWantedAndGivesThemBackWhenNot) {
  FakeHotKeys api;
  MediaKeyControl control(api);
  control.Update(false);
  EXPECT_TRUE(api.calls.empty()) << "nothing wanted yet";
  control.Update(true);
  control.Update(true);
  EXPECT_THAT(api.calls, ElementsAre("register next", "register prev", "register play", "register stop"))
      << "a second wish changes nothing";
  for (MediaKey key : kMediaKeys) {
    EXPECT_TRUE(control.ActsOnHotKey(key));
    EXPECT_FALSE(control.ActsOnWindowKey(key)) << "a held key comes as its hot key only";
  }
  api.calls.clear();
  control.Update(false);
  EXPECT_THAT(api.calls, ElementsAre("unregister next", "unregister prev", "unregister play", "unregister stop"));
  EXPECT_TRUE(api.held.empty());
  for (MediaKey key : kMediaKeys) {
    EXPECT_FALSE(control.ActsOnHotKey(key)) << "a hot key still queued after the release";
    EXPECT_FALSE(control.ActsOnWindowKey(key)) << "switched off, no key acts";
  }
}

TEST(MediaKeyControl, AKeyHeldElsewhereIsLeftThereAndActsOnlyInTheWindow) {
  FakeHotKeys api;
  api.taken_elsewhere = {MediaKey::NextTrack};
  MediaKeyControl control(api);
  control.Update(true);
  EXPECT_FALSE(control.Holds(MediaKey::NextTrack));
  EXPECT_FALSE(control.ActsOnHotKey(MediaKey::NextTrack));
  EXPECT_TRUE(control.ActsOnWindowKey(MediaKey::NextTrack));
  EXPECT_TRUE(control.ActsOnHotKey(MediaKey::PrevTrack)) << "the other keys are ours all the same";
  api.calls.clear();
  control.Update(false);
  EXPECT_THAT(api.calls, ElementsAre("unregister prev", "unregister play", "unregister stop"))
      << "the key that was never ours is not given back";
  // Taken again later, for instance at the next Open, once the other program let go.
  api.taken_elsewhere.clear();
  control.Update(true);
  EXPECT_TRUE(control.Holds(MediaKey::NextTrack));
}

TEST(MediaKeyControl, GoingAwayGivesTheKeysBack) {
  FakeHotKeys api;
  {
    MediaKeyControl control(api);
    control.Update(true);
  }
  EXPECT_TRUE(api.held.empty());
}

TEST(MediaKeyControl, WithASessionNoKeyIsTakenAndTheButtonsActWhileWanted) {
  FakeHotKeys api;
  MediaKeyControl control(api);
  control.UseSession();
  EXPECT_FALSE(control.ActsOnSessionButton()) << "nothing wanted yet";
  control.Update(true);
  EXPECT_TRUE(api.calls.empty());
  EXPECT_TRUE(control.ActsOnSessionButton());
  for (MediaKey key : kMediaKeys) {
    EXPECT_FALSE(control.ActsOnHotKey(key));
    EXPECT_TRUE(control.ActsOnWindowKey(key)) << "the active window still hears the keys";
  }
  control.Update(false);
  EXPECT_FALSE(control.ActsOnSessionButton()) << "a press queued after the box was cleared";
  EXPECT_TRUE(api.calls.empty());
}

TEST(MediaKeyControl, ASessionThatComesLateTakesOverFromTheHeldKeys) {
  FakeHotKeys api;
  MediaKeyControl control(api);
  control.Update(true);
  control.UseSession();
  EXPECT_TRUE(api.held.empty()) << "the keys are given back";
  EXPECT_TRUE(control.ActsOnSessionButton()) << "and stay wanted";
  EXPECT_FALSE(control.ActsOnHotKey(MediaKey::NextTrack)) << "a hot key still queued acts no more";
}

}  // namespace
}  // namespace tonquil
