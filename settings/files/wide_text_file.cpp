#include "settings/files/wide_text_file.h"

#include "settings/files/scoped_file.h"

namespace {

constexpr LONGLONG kLargestTextFile = 64 << 20;

}  // namespace

bool ReadFileBytes(const wchar_t* path, std::string& bytes) {
  bytes.clear();
  ScopedFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  LARGE_INTEGER size{};
  // A file this large is no settings file; refusing it beats running out of memory.
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestTextFile) return false;
  std::string buffer(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!buffer.empty() && !ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
    return false;
  buffer.resize(read);
  bytes = std::move(buffer);
  return true;
}

bool ReadWideTextFile(const wchar_t* path, std::wstring& text) {
  text.clear();
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  text.resize(bytes.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<wchar_t>(static_cast<BYTE>(bytes[2 * i]) | static_cast<BYTE>(bytes[2 * i + 1]) << 8);
  return true;
}

bool WriteWideTextFile(const wchar_t* path, std::wstring_view text) {
  std::wstring temporary(path);
  temporary.append(L".new");
  {
    ScopedFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.Valid()) return false;
    const char* bytes = reinterpret_cast<const char*>(text.data());
    std::size_t left = text.size() * sizeof(wchar_t);
    bool ok = true;
    while (ok && left) {
      const DWORD chunk = left > 0x100000 ? 0x100000 : static_cast<DWORD>(left);
      DWORD written = 0;
      ok = WriteFile(file.Get(), bytes, chunk, &written, nullptr) && written == chunk;
      bytes += chunk;
      left -= chunk;
    }
    if (!ok || !FlushFileBuffers(file.Get())) {
      file.Reset();
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool WideTextLines::Next(std::wstring_view& line) {
  if (at_ >= text_.size()) return false;
  std::size_t end = text_.find(L'\n', at_);
  end = end == std::wstring_view::npos ? text_.size() : end + 1;
  line = text_.substr(at_, end - at_);
  at_ = end;
  const std::size_t null = line.find(L'\0');
  if (null != std::wstring_view::npos) line = line.substr(0, null);
  return true;
}
