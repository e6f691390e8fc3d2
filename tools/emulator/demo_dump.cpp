#include "demo_dump.h"

#include <array>

#include "s98_writer.h"

namespace tonquil::emu {
namespace {

struct Note {
  int semitone;  // 0 = C
  int octave;
  int beats;  // in half beats
};

constexpr std::array<int, 7> kMajorScale = {0, 2, 4, 5, 7, 9, 11};

// F-numbers of one octave for a 7.9872 MHz OPNA, C to B.
constexpr std::array<std::uint16_t, 12> kOpnaFnum = {618, 654, 693, 734, 778, 824,
                                                     873, 925, 980, 1038, 1100, 1165};
// OPM key codes skip every fourth value: C is 14 of the octave below, C# is 0.
constexpr std::array<std::uint8_t, 12> kOpmKeyCode = {14, 0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13};

class NoteSource {
 public:
  explicit NoteSource(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}

  Note Next() {
    degree_ += static_cast<int>(Draw(5)) - 2;
    if (degree_ < 0) degree_ += 3;
    if (degree_ > 13) degree_ -= 3;
    const int beats = 1 + static_cast<int>(Draw(3));
    return {kMajorScale[static_cast<std::size_t>(degree_ % 7)], 4 + degree_ / 7, beats};
  }

 private:
  std::uint32_t Draw(std::uint32_t range) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 16) % range;
  }

  std::uint32_t state_;
  int degree_ = 7;
};

void SetUpOpna(S98DumpWriter& dump) {
  dump.Write(0, 0x29, 0x80);  // six FM channels
  dump.Write(0, 0x22, 0x00);
  dump.Write(0, 0xB0, 0x3C);  // feedback 7, algorithm 4
  dump.Write(0, 0xB4, 0xC0);
  for (std::uint8_t slot = 0; slot < 16; slot += 4) {
    const bool carrier = slot == 4 || slot == 12;
    dump.Write(0, static_cast<std::uint8_t>(0x30 + slot), 0x01);
    dump.Write(0, static_cast<std::uint8_t>(0x40 + slot), carrier ? 0x08 : 0x22);
    dump.Write(0, static_cast<std::uint8_t>(0x50 + slot), 0x1F);
    dump.Write(0, static_cast<std::uint8_t>(0x60 + slot), 0x06);
    dump.Write(0, static_cast<std::uint8_t>(0x70 + slot), 0x02);
    dump.Write(0, static_cast<std::uint8_t>(0x80 + slot), 0x27);
  }
}

void SetUpOpm(S98DumpWriter& dump) {
  dump.Write(0, 0x20, 0xC4);  // both outputs, algorithm 4
  for (std::uint8_t slot = 0; slot < 32; slot += 8) {
    const bool carrier = slot >= 16;
    dump.Write(0, static_cast<std::uint8_t>(0x40 + slot), 0x01);
    dump.Write(0, static_cast<std::uint8_t>(0x60 + slot), carrier ? 0x08 : 0x24);
    dump.Write(0, static_cast<std::uint8_t>(0x80 + slot), 0x1F);
    dump.Write(0, static_cast<std::uint8_t>(0xA0 + slot), 0x06);
    dump.Write(0, static_cast<std::uint8_t>(0xC0 + slot), 0x02);
    dump.Write(0, static_cast<std::uint8_t>(0xE0 + slot), 0x27);
  }
}

void KeyOnOpna(S98DumpWriter& dump, const Note& note) {
  const std::uint16_t fnum = kOpnaFnum[static_cast<std::size_t>(note.semitone)];
  dump.Write(0, 0xA4, static_cast<std::uint8_t>((note.octave << 3) | (fnum >> 8)));
  dump.Write(0, 0xA0, static_cast<std::uint8_t>(fnum & 0xFF));
  dump.Write(0, 0x28, 0xF0);
}

void KeyOnOpm(S98DumpWriter& dump, const Note& note) {
  const int octave = note.semitone == 0 ? note.octave - 1 : note.octave;
  const std::uint8_t code = kOpmKeyCode[static_cast<std::size_t>(note.semitone)];
  dump.Write(0, 0x28, static_cast<std::uint8_t>((octave << 4) | code));
  dump.Write(0, 0x08, 0x78);
}

}  // namespace

std::string MakeDemoDump(const DemoTune& tune) {
  S98DumpWriter dump;
  const bool opna = tune.chip == DemoChip::kOpna;
  if (opna) SetUpOpna(dump); else SetUpOpm(dump);
  NoteSource source(tune.seed);
  const int half_beat = tune.ticks_per_beat / 2;
  for (int i = 0; i < tune.notes; ++i) {
    const Note note = source.Next();
    if (opna) KeyOnOpna(dump, note); else KeyOnOpm(dump, note);
    dump.Wait(static_cast<std::uint32_t>(note.beats * half_beat - 1));
    dump.Write(0, opna ? 0x28 : 0x08, 0x00);  // key off, one tick of silence
    dump.Wait(1);
  }
  return dump.Finish();
}

}  // namespace tonquil::emu
