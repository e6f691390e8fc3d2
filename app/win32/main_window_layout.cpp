// The main window's controls, in tab order. Places inside a group box are relative to
// the box.
#include "app/win32/main_window.h"

#include <iterator>

using ui::Group;
using ui::kDisabled;
using ui::kEnabled;
using ui::kNoClick;
using ui::kNoGroup;
using ui::Part;
using M = TTNQL_MAIN;

namespace {
// Tall enough for the substituted CJK font's underscores, which hang below 13 pixels.
constexpr int kLabelHeight = 15;
constexpr int kStatusWidth = 73;
constexpr int kTagLabelWidth = 53;
}  // namespace

static const ui::LayoutRow<TTNQL_MAIN> kRows[] = {
    {Part<&M::B_Open>, L"Open", {8, 8, 65, 25}, kNoGroup, kEnabled, &M::B_OpenClick},
    {Part<&M::B_Option>, L"設定", {80, 8, 65, 25}, kNoGroup, kEnabled, &M::B_OptionClick},
    {Part<&M::B_Close>, L"Close", {376, 8, 65, 25}, kNoGroup, kDisabled, &M::B_CloseClick},

    {Part<&M::GB1>, L"Control", {8, 40, 433, 185}, kNoGroup, kDisabled, kNoClick},
    {Part<&M::B_PrevSong>, L"|<", {16, 24, 75, 41}, Group<&M::GB1>, kEnabled, &M::B_PrevSongClick},
    {Part<&M::B_Play>, L"Play/Stop", {96, 24, 75, 41}, Group<&M::GB1>, kEnabled, &M::B_PlayClick},
    {Part<&M::B_NextSong>, L">|", {176, 24, 75, 41}, Group<&M::GB1>, kEnabled, &M::B_NextSongClick},
    {Part<&M::B_PrevDir>, L"Dir-", {16, 72, 75, 41}, Group<&M::GB1>, kEnabled, &M::B_PrevDirClick},
    {Part<&M::B_NextDir>, L"Dir+", {176, 72, 75, 41}, Group<&M::GB1>, kEnabled, &M::B_NextDirClick},
    {Part<&M::B_Pause>, L"Pause", {264, 24, 75, 25}, Group<&M::GB1>, kEnabled, &M::B_PauseClick},
    {Part<&M::B_Speed>, L"Speed", {264, 56, 75, 25}, Group<&M::GB1>, kEnabled, &M::B_SpeedClick},
    {Part<&M::B_Loop>, L"Loop", {264, 88, 75, 25}, Group<&M::GB1>, kEnabled, &M::B_LoopClick},
    {Part<&M::B_Repeat>, L"Repeat", {264, 120, 75, 25}, Group<&M::GB1>, kEnabled, &M::B_RepeatClick},
    {Part<&M::B_Reset>, L"Reset", {264, 152, 75, 25}, Group<&M::GB1>, kEnabled, &M::B_ResetClick},
    {Part<&M::L_Pause>, L"Stopped", {352, 32, kStatusWidth, kLabelHeight}, Group<&M::GB1>, kEnabled, kNoClick},
    {Part<&M::L_Speed>, L"1x", {352, 64, kStatusWidth, kLabelHeight}, Group<&M::GB1>, kEnabled, kNoClick},
    {Part<&M::L_Loop>, L"1", {352, 96, kStatusWidth, kLabelHeight}, Group<&M::GB1>, kEnabled, kNoClick},
    {Part<&M::L_Repeat>, L"None", {352, 128, kStatusWidth, kLabelHeight}, Group<&M::GB1>, kEnabled, kNoClick},

    {Part<&M::GB2>, L"File", {8, 232, 433, 41}, kNoGroup, kEnabled, kNoClick},
    {Part<&M::L_File>, L"None", {8, 20, 417, kLabelHeight}, Group<&M::GB2>, kEnabled, kNoClick},

    {Part<&M::GB3>, L"Tag", {8, 280, 265, 241}, kNoGroup, kEnabled, kNoClick},
    {Part<&M::L_01>, L"Title", {8, 19, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_09>, L"Artist", {8, 43, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_02>, L"Game", {8, 67, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_07>, L"Year", {8, 91, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_03>, L"Genre", {8, 115, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_08>, L"Comment", {8, 140, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_04>, L"Copyright", {8, 163, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_05>, L"S98By", {8, 188, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::L_06>, L"System", {8, 212, kTagLabelWidth, kLabelHeight}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Copyright>, L"", {64, 160, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Genre>, L"", {64, 112, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Game>, L"", {64, 64, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Title>, L"", {64, 16, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_S98By>, L"", {64, 184, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_System>, L"", {64, 208, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Artist>, L"", {64, 40, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Year>, L"", {64, 88, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},
    {Part<&M::E_Tag_Comment>, L"", {64, 136, 193, 21}, Group<&M::GB3>, kEnabled, kNoClick},

    {Part<&M::M_Etc>, L"", {280, 280, 161, 241}, kNoGroup, kEnabled, kNoClick},
    // Lies beyond the client area's right edge: never seen, never written.
    {Part<&M::M_Debug>, L"あとでここ消すけど生の受信データがここに出るょ", {456, 8, 265, 513}, kNoGroup, kEnabled,
     kNoClick},
};

const ui::Layout<TTNQL_MAIN> TTNQL_MAIN::kLayout{kRows, std::size(kRows)};
