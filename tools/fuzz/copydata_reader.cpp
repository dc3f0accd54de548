// A request to QMLinker's window as WM_COPYDATA, the data pointing at the input, and the
// request's texts read the way its operations read them. The request is never carried out:
// its timer is taken away before any message is dispatched.
#include <cstring>

#include "linker/linker_request.h"
#include "linker/linker_window.h"
#include "tools/fuzz/fuzz_readers.h"

namespace {

HWND& LinkerWindow() {
  static HWND window = nullptr;
  return window;
}

bool PrepareCopyData() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterLinkerWindowClass(instance)) return false;
  LinkerWindow() = CreateLinkerWindow(instance);
  return LinkerWindow() != nullptr;
}

void ReadCopyData(const std::uint8_t* data, std::size_t size) {
  COPYDATASTRUCT copy{};
  copy.dwData = 1;
  copy.cbData = static_cast<DWORD>(size);
  copy.lpData = const_cast<std::uint8_t*>(data);
  SendMessageW(LinkerWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  KillTimer(LinkerWindow(), kRequestTimer);
  if (size >= sizeof(LinkerRequest)) {
    const auto* request = reinterpret_cast<const LinkerRequest*>(data + size - sizeof(LinkerRequest));
    RequestText(request->notePath);
    RequestText(request->categories);
    RequestText(request->extraText);
  }
}

void CopyDataSeeds(std::vector<Bytes>& out) {
  LinkerRequest request{};
  request.command = kNewItem;
  request.kind = kTask;
  request.newReminder = kNoReminder;
  std::wcscpy(request.categories, L"Business,Caf\u00e9");
  std::wcscpy(request.extraText, L"Call the harbour office");
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&request);
  out.emplace_back(bytes, bytes + sizeof request);
  // Every text filled to its last code unit, with no terminator.
  for (wchar_t& c : request.notePath) c = L'n';
  for (wchar_t& c : request.categories) c = L'c';
  for (wchar_t& c : request.extraText) c = L'x';
  request.command = kOpenItem;
  request.kind = kNote;
  out.emplace_back(bytes, bytes + sizeof request);
}

std::vector<Bytes> CopyDataWords() {
  return {Bytes{0, 0, 0, 0}, Bytes{1, 0, 0, 0}, Bytes{2, 0, 0, 0}, Bytes{3, 0, 0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xFF},
          Bytes{0x6E, 0x7E, 0x0E, 0x00}};
}

}  // namespace

FuzzReader CopyDataReader() {
  return {L"copydata", PrepareCopyData, ReadCopyData, CopyDataSeeds, nullptr, 1, 4 * 1024, CopyDataWords};
}
