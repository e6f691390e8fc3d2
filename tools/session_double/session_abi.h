#pragma once
// The interfaces of the media session as the platform lays them out, written down here
// on their own from Wine's include/windows.media.idl and systemmediatransportcontrolsinterop.idl
// (vtable order; IIDs from the same files, the handler's from the Windows SDK's
// windows.media.h), so that the program's declarations are checked against a second copy.
#include <windows.h>

#include <inspectable.h>

namespace session_abi {

using Bool8 = unsigned char;
struct Token {
  long long value;
};

constexpr GUID kInterop = {0xddb0472d, 0xc911, 0x4a1f, {0x86, 0xd9, 0xdc, 0x3d, 0x71, 0xa9, 0x5f, 0x5a}};
constexpr GUID kControls = {0x99fa3ff4, 0x1742, 0x42a6, {0x90, 0x2e, 0x08, 0x7d, 0x41, 0xf9, 0x65, 0xec}};
constexpr GUID kUpdater = {0x8abbc53e, 0xfa55, 0x4ecf, {0xad, 0x8e, 0xc9, 0x84, 0xe5, 0xdd, 0x15, 0x50}};
constexpr GUID kMusic = {0x6bbf0c59, 0xd0a0, 0x4d26, {0x92, 0xa0, 0xf9, 0x78, 0xe1, 0xd1, 0x8e, 0x7b}};
constexpr GUID kMusic2 = {0x00368462, 0x97d3, 0x44b9, {0xb0, 0x0f, 0x00, 0x8a, 0xfc, 0xef, 0xaf, 0x18}};
constexpr GUID kPressedArgs = {0xb7f47116, 0xa56f, 0x4dc8, {0x9e, 0x11, 0x92, 0x03, 0x1f, 0x4a, 0x87, 0xc2}};
constexpr GUID kPressedHandler = {0x0557e996, 0x7b23, 0x5bae, {0xaa, 0x81, 0xea, 0x0d, 0x67, 0x11, 0x43, 0xa4}};
constexpr GUID kInspectable = {0xaf86e2e0, 0xb12d, 0x4c6a, {0x9c, 0x5a, 0xd7, 0xaa, 0x65, 0x10, 0x1e, 0x90}};
constexpr GUID kActivationFactory = {0x00000035, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

#define SESSION_METHOD virtual HRESULT STDMETHODCALLTYPE

struct IActivationFactory : IInspectable {
  SESSION_METHOD ActivateInstance(IInspectable** instance) = 0;
};

struct IMusic : IInspectable {
  SESSION_METHOD get_Title(HSTRING*) = 0;
  SESSION_METHOD put_Title(HSTRING) = 0;
  SESSION_METHOD get_AlbumArtist(HSTRING*) = 0;
  SESSION_METHOD put_AlbumArtist(HSTRING) = 0;
  SESSION_METHOD get_Artist(HSTRING*) = 0;
  SESSION_METHOD put_Artist(HSTRING) = 0;
};

struct IMusic2 : IInspectable {
  SESSION_METHOD get_AlbumTitle(HSTRING*) = 0;
  SESSION_METHOD put_AlbumTitle(HSTRING) = 0;
  SESSION_METHOD get_TrackNumber(UINT32*) = 0;
  SESSION_METHOD put_TrackNumber(UINT32) = 0;
  SESSION_METHOD get_Genres(void**) = 0;
};

struct IUpdater : IInspectable {
  SESSION_METHOD get_Type(INT32*) = 0;
  SESSION_METHOD put_Type(INT32) = 0;
  SESSION_METHOD get_AppMediaId(HSTRING*) = 0;
  SESSION_METHOD put_AppMediaId(HSTRING) = 0;
  SESSION_METHOD get_Thumbnail(void**) = 0;
  SESSION_METHOD put_Thumbnail(void*) = 0;
  SESSION_METHOD get_MusicProperties(IMusic**) = 0;
  SESSION_METHOD get_VideoProperties(void**) = 0;
  SESSION_METHOD get_ImageProperties(void**) = 0;
  SESSION_METHOD CopyFromFileAsync(INT32, void*, void**) = 0;
  SESSION_METHOD ClearAll() = 0;
  SESSION_METHOD Update() = 0;
};

struct IPressedArgs : IInspectable {
  SESSION_METHOD get_Button(INT32*) = 0;
};

struct IPressedHandler : IUnknown {
  SESSION_METHOD Invoke(IInspectable* sender, IPressedArgs* args) = 0;
};

// The setters and getters of the twelve flags and values, in their order.
struct IControls : IInspectable {
  SESSION_METHOD get_PlaybackStatus(INT32*) = 0;
  SESSION_METHOD put_PlaybackStatus(INT32) = 0;
  SESSION_METHOD get_DisplayUpdater(IUpdater**) = 0;
  SESSION_METHOD get_SoundLevel(INT32*) = 0;
  SESSION_METHOD get_IsEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsEnabled(Bool8) = 0;
  SESSION_METHOD get_IsPlayEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsPlayEnabled(Bool8) = 0;
  SESSION_METHOD get_IsStopEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsStopEnabled(Bool8) = 0;
  SESSION_METHOD get_IsPauseEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsPauseEnabled(Bool8) = 0;
  SESSION_METHOD get_IsRecordEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsRecordEnabled(Bool8) = 0;
  SESSION_METHOD get_IsFastForwardEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsFastForwardEnabled(Bool8) = 0;
  SESSION_METHOD get_IsRewindEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsRewindEnabled(Bool8) = 0;
  SESSION_METHOD get_IsPreviousEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsPreviousEnabled(Bool8) = 0;
  SESSION_METHOD get_IsNextEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsNextEnabled(Bool8) = 0;
  SESSION_METHOD get_IsChannelUpEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsChannelUpEnabled(Bool8) = 0;
  SESSION_METHOD get_IsChannelDownEnabled(Bool8*) = 0;
  SESSION_METHOD put_IsChannelDownEnabled(Bool8) = 0;
  SESSION_METHOD add_ButtonPressed(IPressedHandler*, Token*) = 0;
  SESSION_METHOD remove_ButtonPressed(Token) = 0;
  SESSION_METHOD add_PropertyChanged(void*, Token*) = 0;
  SESSION_METHOD remove_PropertyChanged(Token) = 0;
};

struct IInterop : IInspectable {
  SESSION_METHOD GetForWindow(HWND window, REFIID iid, void** controls) = 0;
};

#undef SESSION_METHOD

}  // namespace session_abi
