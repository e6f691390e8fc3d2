#include "nowplaying/now_playing_feed.h"

#include <algorithm>

namespace tonquil {

void NowPlayingFeed::Add(NowPlayingPublication& publication) {
  publications_.push_back(&publication);
  publication.Idle();
  if (open_) publication.Publish(now_);
}

void NowPlayingFeed::Remove(NowPlayingPublication& publication) {
  publications_.erase(std::remove(publications_.begin(), publications_.end(), &publication), publications_.end());
}

void NowPlayingFeed::PortOpened() {
  open_ = true;
  now_ = NowPlaying{};
  PublishToAll();
}

void NowPlayingFeed::FileShown(const std::u16string& file) { now_.file = file; }

void NowPlayingFeed::StateShown(const std::u16string& state) {
  // The status refresh and every button's "P" show the state again: only a change of
  // it is news.
  if (state == now_.state) return;
  now_.state = state;
  if (open_) PublishToAll();
}

void NowPlayingFeed::TagsShown(const TagBlock& tags) {
  now_.tags = tags;
  now_.song_known = true;
  if (open_) PublishToAll();
}

void NowPlayingFeed::PortClosed() {
  open_ = false;
  now_ = NowPlaying{};
  for (NowPlayingPublication* publication : publications_) publication->Idle();
}

void NowPlayingFeed::PublishToAll() const {
  for (NowPlayingPublication* publication : publications_) publication->Publish(now_);
}

}  // namespace tonquil
