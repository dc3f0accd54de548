#pragma once
// The readers of outside input that the fuzzer feeds: each takes one input as bytes that
// end at a guard page and hands it to the product's own reading code.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/fuzz/mutator.h"

struct FuzzReader {
  const wchar_t* name;             // on the command line and the corpus folder's name
  bool (*prepare)();               // once, before the first input; false when it cannot run
  void (*read)(const std::uint8_t* data, std::size_t size);
  void (*seeds)(std::vector<Bytes>& out);  // inputs made by the program's own writers
  const wchar_t* deviceExtension;  // files of this extension in the installation are seeds too
  std::size_t unit;                // 2: the input is UTF-16 text, kept whole code units
  std::size_t limit;               // the largest input
  std::vector<Bytes> (*dictionary)();
};

std::span<const FuzzReader> FuzzReaders();

// The reader tables, one per file.
FuzzReader TgaReader();
FuzzReader PngReader();
FuzzReader BackupReader();
FuzzReader SchemeReader();
FuzzReader FiltersReader();
FuzzReader RegistryReader();
FuzzReader CopyDataReader();

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE point at empty scratch keys for the rest of the
// process, so that readers that write the registry leave the device's own keys alone.
bool RedirectRegistry();
void EndRegistryRedirection();

// A format word as the bytes of its UTF-16 text, or of its 8-bit text.
Bytes WideWord(const wchar_t* text);
Bytes NarrowWord(const char* text);
