#pragma once
// What the report parser writes and reads: the main window's display fields, its
// tray balloon, and the few options and states that decide what happens after a tag
// block. The main window implements it; the tests fake it.
#include <string>

namespace tonquil {

enum class TagField { Title, Artist, Game, Year, Genre, Comment, Copyright, S98By, System };
inline constexpr int kTagFieldCount = 9;

enum class StatusLabel { Pause, Speed, Loop, Repeat, File };

class ReportDisplay {
 public:
  virtual ~ReportDisplay() = default;

  virtual void SetStatus(StatusLabel label, const std::u16string& text) = 0;
  virtual std::u16string Status(StatusLabel label) const = 0;

  virtual void SetTag(TagField field, const std::u16string& text) = 0;
  virtual std::u16string Tag(TagField field) const = 0;
  // Empties the nine tag fields, from Title to System.
  virtual void ClearTagFields() = 0;

  virtual void ClearEtc() = 0;
  virtual void AppendEtc(const std::u16string& line) = 0;

  // The tray icon keeps the balloon's title and text (cut to its limits) and its
  // information icon; ShowBalloon shows what it keeps.
  virtual void SetBalloon(const std::u16string& title, const std::u16string& text) = 0;
  virtual void ShowBalloon() = 0;

  // The main window is hidden, with its icon in the notification area.
  virtual bool SitsInTheTray() const = 0;
  virtual bool BalloonsSwitchedOff() const = 0;  // C_NoTaskTrayPopup ticked
  virtual bool MsnEnabledAtLoad() const = 0;
  virtual void PublishNowPlaying() = 0;
};

}  // namespace tonquil
