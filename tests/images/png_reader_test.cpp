// The imaging library's own PNG reader, held against the desktop's decoder (Windows Imaging
// Component) over files of every colour type, depth, order and kind of deflate block.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/com_ptr.h"
#include "platform/imaging_server/png_reader.h"
#include "tests/images/test_images.h"

namespace {

struct Decoded {
  std::vector<std::uint8_t> pixels;
  UINT width = 0;
  UINT height = 0;
  double dpiX = 0;
  double dpiY = 0;
};

// The same bytes through WIC, converted to the 32-bit BGRA the reader gives.
bool DecodeWithWic(const std::vector<std::uint8_t>& bytes, Decoded& out) {
  ComPtr<IWICImagingFactory> wic;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              wic.PutVoid())) ||
      FAILED(wic->CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(wic->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Put())) ||
      FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(wic->CreateFormatConverter(converter.Put())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&out.width, &out.height)))
    return false;
  out.pixels.resize(std::size_t{out.width} * out.height * 4);
  if (FAILED(frame->GetResolution(&out.dpiX, &out.dpiY))) return false;
  return SUCCEEDED(converter->CopyPixels(nullptr, out.width * 4, static_cast<UINT>(out.pixels.size()),
                                         out.pixels.data()));
}

std::vector<std::uint8_t> ReadBytes(const std::wstring& path) {
  std::vector<std::uint8_t> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) bytes.clear();
  CloseHandle(file);
  return bytes;
}

struct Kind {
  std::wstring name;
  std::vector<std::uint8_t> bytes;
};

std::vector<Kind> PngKinds() {
  const std::wstring folder = L"" QM_IMAGE_DATA L"\\png_kinds";
  std::vector<Kind> kinds;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*.png").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return kinds;
  do kinds.push_back({found.cFileName, ReadBytes(folder + L"\\" + found.cFileName)});
  while (FindNextFileW(search, &found));
  FindClose(search);
  return kinds;
}

class PngReader : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
  static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(PngReader, EveryKindDecodesAsTheDesktopDecoderDoes) {
  const std::vector<Kind> kinds = PngKinds();
  ASSERT_GE(kinds.size(), 40u);
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(std::string(kind.name.begin(), kind.name.end()));
    Decoded expected;
    ASSERT_TRUE(DecodeWithWic(kind.bytes, expected));
    // Right at the end of readable memory: a read past the file faults.
    GuardedBytes guarded(kind.bytes);
    PngImage image;
    ASSERT_EQ(S_OK, DecodePng(guarded.Bytes().data(), guarded.Bytes().size(), image));
    ASSERT_EQ(expected.width, image.width);
    ASSERT_EQ(expected.height, image.height);
    EXPECT_EQ(0, std::memcmp(expected.pixels.data(), image.pixels.get(), expected.pixels.size()));
    EXPECT_NEAR(expected.dpiX, image.dpiX, 0.01);
    EXPECT_NEAR(expected.dpiY, image.dpiY, 0.01);
  }
}

// A file cut anywhere before its end chunk fails cleanly; a damaged critical chunk fails, a
// damaged ancillary one is passed over.
TEST_F(PngReader, ShortAndDamagedFilesAreRefused) {
  std::vector<std::uint8_t> interlaced, whole;
  for (const Kind& kind : PngKinds()) {
    if (kind.name == L"type6_16_interlaced.png") interlaced = kind.bytes;
    if (kind.name == L"split_data_144dpi.png") whole = kind.bytes;
  }
  ASSERT_FALSE(interlaced.empty());
  ASSERT_FALSE(whole.empty());
  PngImage image;
  for (std::size_t length = 0; length + 12 < interlaced.size(); ++length) {
    GuardedBytes cut(std::span<const std::uint8_t>(interlaced.data(), length));
    EXPECT_EQ(E_FAIL, DecodePng(cut.Bytes().data(), cut.Bytes().size(), image)) << length;
    EXPECT_FALSE(image.pixels);
  }

  // Signature, IHDR (8 + 25), pHYs (21): the first IDAT's data starts at byte 62.
  std::vector<std::uint8_t> damaged = whole;
  damaged[62] ^= 1;
  EXPECT_EQ(E_FAIL, DecodePng(damaged.data(), damaged.size(), image));
  damaged = whole;
  damaged[33 + 8] ^= 1;  // inside pHYs: the resolution is then not taken
  ASSERT_EQ(S_OK, DecodePng(damaged.data(), damaged.size(), image));
  EXPECT_EQ(96.0, image.dpiX);
}

}  // namespace
