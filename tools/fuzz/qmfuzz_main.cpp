// qmfuzz [--inputs N] [--seconds N] [--seed N] [--replay] [--seeds DIR]... --corpus DIR [READER...]
//
// For each reader (all when none is named): every saved input and seed first, then
// mutations of the seeds until N inputs or N seconds, whichever comes first. Seeds are the
// files under CORPUS\READER, files of the reader's kind in the installation and in every
// --seeds folder, and what the program's own writers make. A finding ends the run with
// exit code 3; it is saved under CORPUS\READER and replays on every later run.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "settings/store/settings_store.h"
#include "tools/fuzz/fault_watch.h"
#include "tools/fuzz/fuzz_readers.h"
#include "tools/fuzz/guarded_buffer.h"
#include "tools/fuzz/mutator.h"

namespace {

constexpr std::size_t kLargestInput = 64 * 1024;
constexpr DWORD kHangMs = 1000;
// The first input of a reader also starts the libraries behind it.
constexpr DWORD kFirstInputMs = 20000;
// An input over its time runs again: on a busy machine a reader may just not have been
// scheduled. Slow every time, it is a finding; one that never returns is ended by the
// watchdog at ten times its time.
constexpr int kSlowRuns = 3;
constexpr DWORD kNeverReturnsFactor = 10;
constexpr std::uint64_t kMaxSeedBytes = 256 * 1024;
constexpr wchar_t kInstallFolder[] = L"C:\\Program Files\\Tessaly\\Quillmere";

struct Options {
  unsigned long long inputs = 2000;
  double seconds = 0;  // 0: no time limit
  std::uint64_t seed = 1;
  bool replayOnly = false;
  std::wstring corpus;
  std::vector<std::wstring> seedFolders;
  std::vector<std::wstring> readers;
};

std::wstring WindowsPath(std::wstring path) {
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == L"--inputs" && hasValue) {
      options.inputs = std::wcstoull(argv[++i], nullptr, 10);
    } else if (arg == L"--seconds" && hasValue) {
      options.seconds = std::wcstod(argv[++i], nullptr);
    } else if (arg == L"--seed" && hasValue) {
      options.seed = std::wcstoull(argv[++i], nullptr, 10);
    } else if (arg == L"--corpus" && hasValue) {
      options.corpus = WindowsPath(argv[++i]);
    } else if (arg == L"--seeds" && hasValue) {
      options.seedFolders.push_back(WindowsPath(argv[++i]));
    } else if (arg == L"--replay") {
      options.replayOnly = true;
    } else if (!arg.empty() && arg[0] != L'-') {
      options.readers.push_back(arg);
    } else {
      return false;
    }
  }
  return !options.corpus.empty();
}

bool ReadWholeFile(const std::wstring& path, Bytes& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && static_cast<std::uint64_t>(size.QuadPart) <= kMaxSeedBytes;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                           read == bytes.size());
  }
  CloseHandle(file);
  return ok;
}

bool EndsWith(const std::wstring& name, const wchar_t* suffix) {
  const std::size_t length = std::wcslen(suffix);
  return name.size() >= length && _wcsicmp(name.c_str() + name.size() - length, suffix) == 0;
}

// Every file below the folder whose name ends with `suffix` (any file when null).
void CollectFiles(const std::wstring& folder, const wchar_t* suffix, std::vector<Bytes>& out) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CollectFiles(path, suffix, out);
    } else if (!suffix || EndsWith(name, suffix)) {
      Bytes bytes;
      if (ReadWholeFile(path, bytes)) out.push_back(std::move(bytes));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Runs one input in the guarded buffer, watched.
void RunInput(const FuzzReader& reader, GuardedBuffer& buffer, const Bytes& input, DWORD limitMs) {
  std::size_t size = input.size();
  if (size > buffer.Capacity()) size = buffer.Capacity();
  size -= size % reader.unit;
  const std::uint8_t* placed = buffer.Place(input.data(), size);
  for (int run = 1;; ++run) {
    BeginInput(placed, size, limitMs * kNeverReturnsFactor);
    const ULONGLONG started = GetTickCount64();
    reader.read(placed, size);
    const ULONGLONG elapsed = GetTickCount64() - started;
    EndInput();
    if (elapsed <= limitMs) return;
    if (run == kSlowRuns) ReportFinding("hang");
  }
}

bool Fuzz(const FuzzReader& reader, const Options& options, GuardedBuffer& buffer) {
  const std::wstring folder = options.corpus + L"\\" + reader.name;
  SetFindingFolder(folder.c_str());
  if (!reader.prepare()) {
    std::fwprintf(stderr, L"qmfuzz: %ls cannot run here\n", reader.name);
    return false;
  }

  // Saved findings and committed seeds replay first, in every run.
  std::vector<Bytes> seeds;
  CollectFiles(folder, nullptr, seeds);
  const std::size_t saved = seeds.size();
  if (!options.replayOnly) {
    if (reader.deviceExtension) CollectFiles(kInstallFolder, reader.deviceExtension, seeds);
    for (const std::wstring& extra : options.seedFolders)
      if (reader.deviceExtension) CollectFiles(extra, reader.deviceExtension, seeds);
    reader.seeds(seeds);
  }

  LARGE_INTEGER frequency{}, start{}, now{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  unsigned long long count = 0;
  for (const Bytes& seed : seeds) {
    RunInput(reader, buffer, seed, count == 0 ? kFirstInputMs : kHangMs);
    ++count;
  }
  // Timed from here: the seeds ran, the libraries behind the reader are up.
  QueryPerformanceCounter(&start);
  const unsigned long long seedCount = count;
  if (!options.replayOnly && !seeds.empty()) {
    Mutator mutator(options.seed * 0x100000001B3ull + std::wcslen(reader.name));
    mutator.SetDictionary(reader.dictionary());
    mutator.SetUnit(reader.unit);
    const std::size_t limit = reader.limit < kLargestInput ? reader.limit : kLargestInput;
    for (unsigned long long i = 0; i < options.inputs; ++i) {
      RunInput(reader, buffer, mutator.Next(seeds, limit), count == 0 ? kFirstInputMs : kHangMs);
      ++count;
      if (options.seconds > 0 && (i & 63) == 0) {
        QueryPerformanceCounter(&now);
        if (static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) >=
            options.seconds)
          break;
      }
    }
  }
  QueryPerformanceCounter(&now);
  const double elapsed = static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  const unsigned long long mutated = count - seedCount;
  std::wprintf(L"%-9ls %zu saved, %llu seeds, %llu mutated inputs in %.1f s (%.0f inputs/s), no findings\n",
               reader.name, saved, seedCount, mutated, elapsed, elapsed > 0 ? static_cast<double>(mutated) / elapsed : 0.0);
  std::fflush(stdout);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fwprintf(stderr,
                  L"usage: qmfuzz [--inputs N] [--seconds N] [--seed N] [--replay] [--seeds DIR]... --corpus DIR "
                  L"[READER...]\n");
    return kFuzzUsage;
  }
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  // The imaging factory and the linker's Pocket Outlook session are COM objects.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return kFuzzUsage;
  GuardedBuffer buffer(kLargestInput);
  if (!buffer || !StartFaultWatch(buffer)) return kFuzzUsage;
  CreateDirectoryW(options.corpus.c_str(), nullptr);

  bool ok = true;
  bool any = false;
  for (const FuzzReader& reader : FuzzReaders()) {
    bool chosen = options.readers.empty();
    for (const std::wstring& name : options.readers) chosen = chosen || name == reader.name;
    if (!chosen) continue;
    any = true;
    ok = Fuzz(reader, options, buffer) && ok;
  }
  EndRegistryRedirection();
  if (!any) {
    std::fwprintf(stderr, L"qmfuzz: no such reader\n");
    return kFuzzUsage;
  }
  return ok ? kFuzzClean : kFuzzUsage;
}
