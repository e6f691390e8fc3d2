#include "session_objects.h"

#include <winstring.h>

#include <map>
#include <vector>

using namespace session_abi;

namespace {

constexpr DWORD kPollMs = 20;

std::string Text(HSTRING value) {
  UINT32 length = 0;
  const wchar_t* buffer = WindowsGetStringRawBuffer(value, &length);
  return Utf8(buffer, length);
}

std::string Flag(Bool8 value) { return value ? "1" : "0"; }

std::string StatusName(INT32 status) {
  const char* names[] = {"Closed", "Changing", "Stopped", "Playing", "Paused"};
  return status >= 0 && status <= 4 ? names[status] : std::to_string(status);
}

// Reference counting, IInspectable's three and a QueryInterface that answers the
// object's own interface; Other answers the rest.
template <class Interface, const GUID& kIid>
class Object : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kInspectable) || IsEqualIID(iid, kIid)) {
      *out = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    return Other(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG*, IID**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    *level = BaseTrust;
    return S_OK;
  }

 protected:
  virtual ~Object() = default;
  virtual HRESULT Other(REFIID, void**) { return E_NOINTERFACE; }

 private:
  LONG references_ = 1;
};

// Everything the program set, one per process.
struct Session {
  explicit Session(const std::wstring& where) : state(where), folder(where) {}
  StateFile state;
  std::wstring folder;
  // Set by the display updater's properties, shown by its Update.
  INT32 type = 0;
  std::string title, artist, album;
  SRWLOCK handlers_lock = SRWLOCK_INIT;
  std::map<long long, IPressedHandler*> handlers;
  long long next_token = 1;
  HWND window = nullptr;
  IControls* controls = nullptr;
};

Session* g_session = nullptr;

class Music2 : public Object<IMusic2, kMusic2> {
 public:
  HRESULT STDMETHODCALLTYPE get_AlbumTitle(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AlbumTitle(HSTRING value) override {
    g_session->album = Text(value);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_TrackNumber(UINT32*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_TrackNumber(UINT32) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Genres(void**) override { return E_NOTIMPL; }
};

class Music : public Object<IMusic, kMusic> {
 public:
  HRESULT STDMETHODCALLTYPE get_Title(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Title(HSTRING value) override {
    g_session->title = Text(value);
    return S_OK;
  }
  // Not every system sets every property: the program must go on without this one.
  HRESULT STDMETHODCALLTYPE get_AlbumArtist(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AlbumArtist(HSTRING) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Artist(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Artist(HSTRING value) override {
    g_session->artist = Text(value);
    return S_OK;
  }

 protected:
  HRESULT Other(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, kMusic2)) return E_NOINTERFACE;
    *out = static_cast<IMusic2*>(new Music2);
    return S_OK;
  }
};

class Updater : public Object<IUpdater, kUpdater> {
 public:
  HRESULT STDMETHODCALLTYPE get_Type(INT32*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Type(INT32 value) override {
    g_session->type = value;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_AppMediaId(HSTRING*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AppMediaId(HSTRING) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Thumbnail(void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Thumbnail(void*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_MusicProperties(IMusic** value) override {
    *value = new Music;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_VideoProperties(void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ImageProperties(void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyFromFileAsync(INT32, void*, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ClearAll() override {
    g_session->type = 0;
    g_session->title.clear();
    g_session->artist.clear();
    g_session->album.clear();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Update() override {
    StateFile& state = g_session->state;
    state.Set("type", g_session->type == 1 ? "Music" : std::to_string(g_session->type));
    state.Set("title", g_session->title);
    state.Set("artist", g_session->artist);
    state.Set("album", g_session->album);
    state.Count("updates");
    return S_OK;
  }
};

class PressedArgs : public Object<IPressedArgs, kPressedArgs> {
 public:
  explicit PressedArgs(INT32 button) : button_(button) {}
  HRESULT STDMETHODCALLTYPE get_Button(INT32* value) override {
    *value = button_;
    return S_OK;
  }

 private:
  INT32 button_;
};

class Controls : public Object<IControls, kControls> {
 public:
  HRESULT STDMETHODCALLTYPE get_PlaybackStatus(INT32*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_PlaybackStatus(INT32 value) override { return Set("status", StatusName(value)); }
  HRESULT STDMETHODCALLTYPE get_DisplayUpdater(IUpdater** value) override {
    *value = new Updater;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_SoundLevel(INT32*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_IsEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsEnabled(Bool8 value) override { return Set("enabled", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsPlayEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsPlayEnabled(Bool8 value) override { return Set("play", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsStopEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsStopEnabled(Bool8 value) override { return Set("stop", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsPauseEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsPauseEnabled(Bool8 value) override { return Set("pause", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsRecordEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsRecordEnabled(Bool8 value) override { return Set("record", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsFastForwardEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsFastForwardEnabled(Bool8 value) override { return Set("fastforward", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsRewindEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsRewindEnabled(Bool8 value) override { return Set("rewind", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsPreviousEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsPreviousEnabled(Bool8 value) override { return Set("previous", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsNextEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsNextEnabled(Bool8 value) override { return Set("next", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsChannelUpEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsChannelUpEnabled(Bool8 value) override { return Set("channelup", Flag(value)); }
  HRESULT STDMETHODCALLTYPE get_IsChannelDownEnabled(Bool8*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_IsChannelDownEnabled(Bool8 value) override { return Set("channeldown", Flag(value)); }
  HRESULT STDMETHODCALLTYPE add_ButtonPressed(IPressedHandler* handler, Token* token) override {
    if (handler == nullptr || token == nullptr) return E_POINTER;
    handler->AddRef();
    AcquireSRWLockExclusive(&g_session->handlers_lock);
    token->value = g_session->next_token++;
    g_session->handlers[token->value] = handler;
    const size_t count = g_session->handlers.size();
    ReleaseSRWLockExclusive(&g_session->handlers_lock);
    return Set("handlers", std::to_string(count));
  }
  HRESULT STDMETHODCALLTYPE remove_ButtonPressed(Token token) override {
    IPressedHandler* removed = nullptr;
    AcquireSRWLockExclusive(&g_session->handlers_lock);
    const auto found = g_session->handlers.find(token.value);
    if (found != g_session->handlers.end()) {
      removed = found->second;
      g_session->handlers.erase(found);
    }
    const size_t count = g_session->handlers.size();
    ReleaseSRWLockExclusive(&g_session->handlers_lock);
    if (removed != nullptr) removed->Release();
    return Set("handlers", std::to_string(count));
  }
  HRESULT STDMETHODCALLTYPE add_PropertyChanged(void*, Token*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE remove_PropertyChanged(Token) override { return E_NOTIMPL; }

 private:
  static HRESULT Set(const std::string& key, const std::string& value) {
    g_session->state.Set(key, value);
    return S_OK;
  }
};

// A press as the system delivers it: on a thread of its own, to every handler.
void Press(INT32 button) {
  std::vector<IPressedHandler*> handlers;
  AcquireSRWLockShared(&g_session->handlers_lock);
  for (const auto& entry : g_session->handlers) {
    entry.second->AddRef();
    handlers.push_back(entry.second);
  }
  ReleaseSRWLockShared(&g_session->handlers_lock);
  PressedArgs* args = new PressedArgs(button);
  for (IPressedHandler* handler : handlers) {
    handler->Invoke(g_session->controls, args);
    handler->Release();
  }
  args->Release();
}

INT32 ButtonOf(const std::string& word) {
  const char* names[] = {"play", "pause", "stop", "record", "fastforward", "rewind", "next", "previous"};
  for (INT32 i = 0; i < 8; ++i) {
    if (word == names[i]) return i;
  }
  return -1;
}

std::string ReadAndDelete(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  char buffer[64] = {};
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
  CloseHandle(file);
  DeleteFileW(path.c_str());
  std::string word(buffer, read);
  while (!word.empty() && (word.back() == '\n' || word.back() == '\r' || word.back() == ' ')) word.pop_back();
  return word;
}

// The test's hand: a word in the file "press" of the folder is a button pressed in the
// flyout, or "activate" for a click on the session itself. Handled, the file is gone
// and "presses" counts it.
DWORD WINAPI PressLoop(void*) {
  const std::wstring path = g_session->folder + L"\\press";
  for (;;) {
    Sleep(kPollMs);
    const std::string word = ReadAndDelete(path);
    if (word.empty()) continue;
    if (word == "activate") {
      SetForegroundWindow(g_session->window);
    } else if (ButtonOf(word) >= 0) {
      Press(ButtonOf(word));
    }
    g_session->state.Count("presses");
  }
}

class Interop : public Object<IInterop, kInterop> {
 public:
  HRESULT STDMETHODCALLTYPE GetForWindow(HWND window, REFIID iid, void** controls) override {
    if (controls == nullptr) return E_POINTER;
    *controls = nullptr;
    if (!IsEqualIID(iid, kControls)) return E_NOINTERFACE;
    if (window == nullptr || !IsWindow(window)) return E_INVALIDARG;
    if (g_session->controls == nullptr) {
      wchar_t name[256] = {};
      const int length = GetClassNameW(window, name, 256);
      g_session->window = window;
      g_session->state.Set("window", Utf8(name, static_cast<size_t>(length)));
      g_session->state.Set("window_visible", IsWindowVisible(window) ? "1" : "0");
      g_session->controls = new Controls;
      const HANDLE thread = CreateThread(nullptr, 0, &PressLoop, nullptr, 0, nullptr);
      if (thread != nullptr) CloseHandle(thread);
    }
    g_session->controls->AddRef();
    *controls = g_session->controls;
    return S_OK;
  }
};

class Factory : public Object<IActivationFactory, kActivationFactory> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    if (instance != nullptr) *instance = nullptr;
    return E_NOTIMPL;
  }

 protected:
  HRESULT Other(REFIID iid, void** out) override {
    if (!IsEqualIID(iid, kInterop)) return E_NOINTERFACE;
    *out = static_cast<IInterop*>(new Interop);
    return S_OK;
  }
};

}  // namespace

IActivationFactory* NewSessionFactory(const std::wstring& folder) {
  if (g_session == nullptr) g_session = new Session(folder);
  return new Factory;
}
