// The options dialog's controls, in tab order; the about panel's parts take no focus.
#include <iterator>

#include "ui/app_identity.h"
#include "settings/win32/option_dialog.h"

using ui::kEnabled;
using ui::kNoClick;
using ui::kNoGroup;
using ui::Part;
using O = TTNQL_OPTION;

namespace {

const ui::LayoutRow<TTNQL_OPTION> kRows[] = {
    {Part<&O::CB_COM>, L"", {8, 26, 65, 21}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::B_SearchZurva>, L"自動判定", {80, 26, 73, 21}, kNoGroup, kEnabled, &O::B_SearchZurvaClick},
    {Part<&O::C_NoTaskTray>, L"タスクトレイアイコンを使用しない", {8, 64, 177, 17}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::C_NoTaskTrayPopup>, L"バルーンを使用しない", {8, 80, 129, 17}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::C_MSN>, L"Liveメッセンジャーへ再生曲情報を送信する (要再起動)", {8, 96, 281, 17}, kNoGroup, kEnabled,
     kNoClick},
    {Part<&O::C_MediaKeys>, L"メディアキーで操作する", {8, 112, 145, 16}, kNoGroup, kEnabled, &O::C_MediaKeysClick},
    {Part<&O::B_Close>, L"閉じる", {104, 128, 75, 25}, kNoGroup, kEnabled, &O::B_CloseClick},
    {Part<&O::L_01>, L"COMポート", {8, 8, 51, 13}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::Shape1>, L"", {304, 8, 217, 145}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::L_AppName>, L"あぷねーむ", {312, 16, 56, 13}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::L_02>, tonquil::kMakerName, {312, 56, 60, 13}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::L_URL01>, tonquil::kMakerWebAddress, {312, 72, 101, 13}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::L_URL02>, tonquil::kMakerMailAddress, {312, 88, 120, 13}, kNoGroup, kEnabled, kNoClick},
    {Part<&O::Image1>, L"", {312, 104, 201, 41}, kNoGroup, kEnabled, kNoClick},
};
}  // namespace

const ui::Layout<TTNQL_OPTION> TTNQL_OPTION::kLayout{kRows, std::size(kRows)};
