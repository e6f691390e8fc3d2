#include "probe.h"

#include "command.h"
#include "remote_process.h"

namespace tqdriver {
namespace {

constexpr DWORD kProbeTimeoutMs = 5000;
constexpr wchar_t kProbeLibrary[] = L"tqprobe.dll";

class BlockView {
 public:
  explicit BlockView(HANDLE mapping)
      : block_(static_cast<ProbeBlock*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeBlock)))) {}
  ~BlockView() {
    if (block_ != nullptr) UnmapViewOfFile(block_);
  }
  BlockView(const BlockView&) = delete;
  BlockView& operator=(const BlockView&) = delete;
  ProbeBlock* get() const { return block_; }

 private:
  ProbeBlock* block_;
};

[[noreturn]] void Fail(const std::wstring& what) {
  throw Failure{kNotFound, what + L" (error " + std::to_wstring(GetLastError()) + L")"};
}

std::wstring LibraryPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.erase(folder.find_last_of(L"\\/") + 1);
  return folder + kProbeLibrary;
}

// kernel32 lies at the same address in every process of the prefix, so this
// process's LoadLibraryW is the other one's too.
void LoadProbeInto(HANDLE process) {
  const std::wstring path = LibraryPath();
  const size_t bytes = (path.size() + 1) * sizeof(wchar_t);
  RemoteMemory remote_path(process, bytes);
  remote_path.Write(0, path.c_str(), bytes);
  const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  OwnedHandle thread(CreateRemoteThread(process, nullptr, 0, load, remote_path.address(), 0, nullptr));
  if (thread.get() == nullptr) Fail(L"cannot start a thread in the program");
  if (WaitForSingleObject(thread.get(), kProbeTimeoutMs) != WAIT_OBJECT_0) {
    remote_path.Abandon();
    Fail(L"the program did not load the probe");
  }
  DWORD loaded = 0;
  GetExitCodeThread(thread.get(), &loaded);
  if (loaded == 0) throw Failure{kNotFound, L"the program could not load " + path};
}

}  // namespace

std::unique_ptr<ProbeBlock> RunProbe(DWORD pid, ProbeRequest request, UINT64 target,
                                     const std::function<void(ProbeBlock&)>& fill) {
  OwnedHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeBlock),
                                         ProbeBlockName(pid).c_str()));
  OwnedHandle done(CreateEventW(nullptr, TRUE, FALSE, ProbeDoneName(pid).c_str()));
  if (mapping.get() == nullptr || done.get() == nullptr) Fail(L"cannot prepare the shared block");
  BlockView view(mapping.get());
  if (view.get() == nullptr) Fail(L"cannot map the shared block");
  ProbeBlock& block = *view.get();
  block = ProbeBlock{};
  block.request = request;
  block.target = target;
  if (fill) fill(block);

  OwnedHandle process(OpenForRemoteWork(pid));
  LoadProbeInto(process.get());
  if (WaitForSingleObject(done.get(), kProbeTimeoutMs) != WAIT_OBJECT_0) Fail(L"the probe did not answer");
  if (block.status == kProbeUnreadable) throw Failure{kNotFound, L"the program cannot read what was asked"};
  if (block.status == kProbeTooMany) throw Failure{kNotFound, L"the answer has too many items"};
  if (block.status != kProbeDone) throw Failure{kNotFound, L"the probe did not finish"};
  auto answer = std::make_unique<ProbeBlock>();
  *answer = block;
  return answer;
}

}  // namespace tqdriver
