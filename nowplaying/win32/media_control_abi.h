#pragma once
// The system's media session as its COM interfaces lay it out: Windows.Media's
// SystemMediaTransportControls and what hangs off it, and the interop interface that
// gives a desktop window its session. mingw-w64's headers have none of them.
//
// Taken from Wine's include/windows.media.idl and include/systemmediatransportcontrolsinterop.idl
// (the methods of each interface in vtable order, after IInspectable's), checked against
// Microsoft's documentation of the Windows.Media namespace for the enumerations' values.
// The IID of TypedEventHandler<SystemMediaTransportControls,
// SystemMediaTransportControlsButtonPressedEventArgs> is the one the Windows SDK's
// windows.media.h publishes for that instance. Methods this program never calls are
// declared all the same, with untyped pointers, to keep the order.
#include <windows.h>

#include <eventtoken.h>
#include <hstring.h>
#include <inspectable.h>

#include <cstdint>

namespace media_abi {

// WinRT's boolean: one byte.
using Boolean = unsigned char;

enum class PlaybackStatus : std::int32_t { Closed = 0, Changing = 1, Stopped = 2, Playing = 3, Paused = 4 };
enum class PlaybackType : std::int32_t { Unknown = 0, Music = 1, Video = 2, Image = 3 };
enum class Button : std::int32_t {
  Play = 0,
  Pause = 1,
  Stop = 2,
  Record = 3,
  FastForward = 4,
  Rewind = 5,
  Next = 6,
  Previous = 7,
  ChannelUp = 8,
  ChannelDown = 9,
};

// {6bbf0c59-d0a0-4d26-92a0-f978e1d18e7b}
inline constexpr GUID kIidMusicDisplayProperties = {
    0x6bbf0c59, 0xd0a0, 0x4d26, {0x92, 0xa0, 0xf9, 0x78, 0xe1, 0xd1, 0x8e, 0x7b}};
struct IMusicDisplayProperties : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Title(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Title(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AlbumArtist(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AlbumArtist(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Artist(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Artist(HSTRING value) = 0;
};

// {00368462-97d3-44b9-b00f-008afcefaf18}
inline constexpr GUID kIidMusicDisplayProperties2 = {
    0x00368462, 0x97d3, 0x44b9, {0xb0, 0x0f, 0x00, 0x8a, 0xfc, 0xef, 0xaf, 0x18}};
struct IMusicDisplayProperties2 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_AlbumTitle(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AlbumTitle(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TrackNumber(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_TrackNumber(UINT32 value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Genres(void** value) = 0;
};

// {8abbc53e-fa55-4ecf-ad8e-c984e5dd1550}
inline constexpr GUID kIidDisplayUpdater = {
    0x8abbc53e, 0xfa55, 0x4ecf, {0xad, 0x8e, 0xc9, 0x84, 0xe5, 0xdd, 0x15, 0x50}};
struct ISystemMediaTransportControlsDisplayUpdater : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Type(PlaybackType* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Type(PlaybackType value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AppMediaId(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AppMediaId(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Thumbnail(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Thumbnail(void* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MusicProperties(IMusicDisplayProperties** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_VideoProperties(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ImageProperties(void** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE CopyFromFileAsync(PlaybackType type, void* source, void** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE ClearAll() = 0;
  virtual HRESULT STDMETHODCALLTYPE Update() = 0;
};

// {b7f47116-a56f-4dc8-9e11-92031f4a87c2}
inline constexpr GUID kIidButtonPressedEventArgs = {
    0xb7f47116, 0xa56f, 0x4dc8, {0x9e, 0x11, 0x92, 0x03, 0x1f, 0x4a, 0x87, 0xc2}};
struct ISystemMediaTransportControlsButtonPressedEventArgs : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Button(Button* value) = 0;
};

struct ISystemMediaTransportControls;

// TypedEventHandler<SystemMediaTransportControls, SystemMediaTransportControlsButtonPressedEventArgs>
// {0557e996-7b23-5bae-aa81-ea0d671143a4}
inline constexpr GUID kIidButtonPressedHandler = {
    0x0557e996, 0x7b23, 0x5bae, {0xaa, 0x81, 0xea, 0x0d, 0x67, 0x11, 0x43, 0xa4}};
struct IButtonPressedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(ISystemMediaTransportControls* sender,
                                           ISystemMediaTransportControlsButtonPressedEventArgs* args) = 0;
};

// {99fa3ff4-1742-42a6-902e-087d41f965ec}
inline constexpr GUID kIidSystemMediaTransportControls = {
    0x99fa3ff4, 0x1742, 0x42a6, {0x90, 0x2e, 0x08, 0x7d, 0x41, 0xf9, 0x65, 0xec}};
struct ISystemMediaTransportControls : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_PlaybackStatus(PlaybackStatus* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_PlaybackStatus(PlaybackStatus value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DisplayUpdater(ISystemMediaTransportControlsDisplayUpdater** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SoundLevel(std::int32_t* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPlayEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsPlayEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsStopEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsStopEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPauseEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsPauseEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRecordEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsRecordEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsFastForwardEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsFastForwardEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRewindEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsRewindEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsPreviousEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsPreviousEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsNextEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsNextEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsChannelUpEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsChannelUpEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsChannelDownEnabled(Boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsChannelDownEnabled(Boolean value) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ButtonPressed(IButtonPressedHandler* handler,
                                                      EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ButtonPressed(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_PropertyChanged(void* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_PropertyChanged(EventRegistrationToken token) = 0;
};

// {ddb0472d-c911-4a1f-86d9-dc3d71a95f5a}
inline constexpr GUID kIidSystemMediaTransportControlsInterop = {
    0xddb0472d, 0xc911, 0x4a1f, {0x86, 0xd9, 0xdc, 0x3d, 0x71, 0xa9, 0x5f, 0x5a}};
struct ISystemMediaTransportControlsInterop : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE GetForWindow(HWND app_window, REFIID riid, void** controls) = 0;
};

inline constexpr wchar_t kSystemMediaTransportControlsClass[] = L"Windows.Media.SystemMediaTransportControls";

}  // namespace media_abi
