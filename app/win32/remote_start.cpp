#include "app/win32/remote_start.h"

#include <string>

#include "app/win32/remote_protocol.h"
#include "app/win32/standard_output.h"
#include "text/utf8.h"

namespace tonquil {
namespace {

// Long enough for the longest button (a reset and the status refresh after it), short
// enough that a script does not wait for long on a hung copy.
constexpr UINT kAnswerTimeoutMs = 5000;
constexpr wchar_t kReplyClass[] = L"TTNQL_REPLY";

// The hidden window that a status comes back to. Message-only: no other program finds
// it; the running copy has its handle from the request.
class ReplyWindow {
 public:
  ReplyWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = &Procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = kReplyClass;
    RegisterClassW(&window_class);
    hwnd_ = CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (hwnd_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~ReplyWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }
  ReplyWindow(const ReplyWindow&) = delete;
  ReplyWindow& operator=(const ReplyWindow&) = delete;

  HWND handle() const { return hwnd_; }
  // The status that came back since the last call; empty when none did.
  std::string TakeStatus() { return std::move(status_); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<ReplyWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr && lparam != 0) {
      const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lparam);
      if (data.dwData != kRemoteStatusTag || data.cbData > kRemoteStatusMaxBytes || data.lpData == nullptr) {
        return FALSE;
      }
      self->status_.assign(static_cast<const char*>(data.lpData), data.cbData);
      return TRUE;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }

  HWND hwnd_ = nullptr;
  std::string status_;
};

// Lets the running copy bring its window to the front, which Windows allows only to
// the program that has the foreground: this one, started by the user.
void AllowToTakeTheForeground(HWND running) {
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
}

// The exit code of one word, carried out by the running copy.
int Request(HWND running, ReplyWindow& reply, RemoteWord word) {
  const std::u16string_view name = NameOf(word);
  COPYDATASTRUCT data{kRemoteRequestTag, static_cast<DWORD>(name.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(name.data())};
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(running, WM_COPYDATA, reinterpret_cast<WPARAM>(reply.handle()),
                          reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) == 0) {
    if (!IsWindow(running)) return remote_exit::kNotRunning;  // it ended meanwhile
    WriteTo(Stream::Error, u"Tonquil is not answering.\n");
    return remote_exit::kNotAnswering;
  }
  const std::optional<int> exit_code = ExitCodeIn(result);
  if (!exit_code) {
    WriteTo(Stream::Error, u"The window of class TTNQL_MAIN did not answer as Tonquil does.\n");
    return remote_exit::kNotAnswering;
  }
  return *exit_code;
}

}  // namespace

HWND RunningMainWindow() { return FindWindowExW(nullptr, nullptr, L"TTNQL_MAIN", nullptr); }

int HandOver(HWND running, const std::vector<RemoteWord>& words) {
  ReplyWindow reply;
  for (const RemoteWord word : words) {
    if (word == RemoteWord::Help) {
      WriteTo(Stream::Output, RemoteUsage());
      continue;
    }
    if (word == RemoteWord::Show) AllowToTakeTheForeground(running);
    const int exit_code = Request(running, reply, word);
    if (exit_code != remote_exit::kDone) return exit_code;
    if (word == RemoteWord::Status) {
      const std::string status = reply.TakeStatus();
      if (status.empty()) return remote_exit::kCouldNotAct;
      WriteTo(Stream::Output, Utf8ToUtf16(status) + u"\n");
    }
  }
  return remote_exit::kDone;
}

}  // namespace tonquil
