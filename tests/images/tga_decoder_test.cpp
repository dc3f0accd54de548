#include "settings/controls/tga_decoder.h"

#include <gtest/gtest.h>

#include "tests/images/test_images.h"

namespace {

Rgba Pattern(int x, int y) { return {x * 20 + 1, y * 30 + 2, x + y + 3, (x * 40 + y * 7) & 255}; }

// A run-length stream for a 2 x 3 image: a repeat packet of 4 that runs from row 0 into
// row 1, then a literal packet of 2.
std::vector<std::uint8_t> RunLengthAcrossRows(int depth) {
  std::vector<std::uint8_t> bytes = TgaHeader({.imageType = 10, .width = 2, .height = 3, .depth = depth,
                                                .descriptor = 0x20});
  bytes.push_back(0x80 | 3);
  AppendPixel(bytes, {10, 20, 30, 40}, depth);
  bytes.push_back(1);
  AppendPixel(bytes, {50, 60, 70, 80}, depth);
  AppendPixel(bytes, {90, 100, 110, 120}, depth);
  return bytes;
}

TEST(TgaDecoder, UncompressedKeepsColoursAndTheAlphaOf32Bits) {
  for (int depth : {24, 32}) {
    SCOPED_TRACE(depth);
    const auto bytes = RawTga({.width = 4, .height = 3, .depth = depth, .descriptor = 0x20}, Pattern);
    PlanarImage image;
    ASSERT_EQ(S_OK, DecodeTga(image, bytes));
    ASSERT_EQ(4, image.Width());
    ASSERT_EQ(3, image.Height());
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) {
        Rgba expected = Pattern(x, y);
        if (depth == 24) expected.alpha = 255;
        EXPECT_EQ(expected, ImagePixel(image, x, y)) << x << "," << y;
      }
  }
}

TEST(TgaDecoder, DescriptorBit0x20PutsTheFirstFileRowOnTop) {
  const auto colour = [](int, int fileRow) { return Rgba{fileRow * 100, 0, 0, 255}; };
  PlanarImage topFirst, bottomFirst;
  ASSERT_EQ(S_OK, DecodeTga(topFirst, RawTga({.width = 2, .height = 3, .descriptor = 0x28}, colour)));
  ASSERT_EQ(S_OK, DecodeTga(bottomFirst, RawTga({.width = 2, .height = 3, .descriptor = 0x08}, colour)));
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(y * 100, ImagePixel(topFirst, 1, y).red);
    EXPECT_EQ((2 - y) * 100, ImagePixel(bottomFirst, 1, y).red);
  }
}

TEST(TgaDecoder, SkipsTheIdField) {
  const auto bytes = RawTga({.width = 2, .height = 2, .descriptor = 0x20, .idLength = 9}, Pattern);
  PlanarImage image;
  ASSERT_EQ(S_OK, DecodeTga(image, bytes));
  EXPECT_EQ(Pattern(0, 0).red, ImagePixel(image, 0, 0).red);
  EXPECT_EQ(Pattern(1, 1).blue, ImagePixel(image, 1, 1).blue);
}

TEST(TgaDecoder, RunLengthPacketsContinueOnTheNextRow) {
  for (int depth : {24, 32}) {
    SCOPED_TRACE(depth);
    PlanarImage image;
    ASSERT_EQ(S_OK, DecodeTga(image, RunLengthAcrossRows(depth)));
    const Rgba repeated{10, 20, 30, depth == 32 ? 40 : 255};
    EXPECT_EQ(repeated, ImagePixel(image, 0, 0));
    EXPECT_EQ(repeated, ImagePixel(image, 1, 0));
    EXPECT_EQ(repeated, ImagePixel(image, 0, 1));
    EXPECT_EQ(repeated, ImagePixel(image, 1, 1));
    EXPECT_EQ((Rgba{50, 60, 70, depth == 32 ? 80 : 255}), ImagePixel(image, 0, 2));
    EXPECT_EQ((Rgba{90, 100, 110, depth == 32 ? 120 : 255}), ImagePixel(image, 1, 2));
  }
}

TEST(TgaDecoder, RepeatOf128OverRowsOf100FillsARowAnd28More) {
  std::vector<std::uint8_t> bytes = TgaHeader({.imageType = 10, .width = 100, .height = 2, .descriptor = 0x20});
  bytes.push_back(0xFF);
  AppendPixel(bytes, {1, 2, 3, 0}, 24);
  bytes.push_back(0xFF);
  AppendPixel(bytes, {4, 5, 6, 0}, 24);
  PlanarImage image;
  ASSERT_EQ(S_OK, DecodeTga(image, bytes));
  EXPECT_EQ(1, ImagePixel(image, 99, 0).red);
  EXPECT_EQ(1, ImagePixel(image, 27, 1).red);
  EXPECT_EQ(4, ImagePixel(image, 28, 1).red);
  EXPECT_EQ(4, ImagePixel(image, 99, 1).red);
}

TEST(TgaDecoder, PacketsRunningPastTheLastPixelStopThere) {
  // A 2 x 2 image whose only packets claim 128 pixels each; the data ends right after the
  // pixel that completes the image, so reading one byte further would leave the buffer.
  for (bool repeat : {true, false}) {
    SCOPED_TRACE(repeat);
    std::vector<std::uint8_t> bytes = TgaHeader({.imageType = 10, .width = 2, .height = 2, .descriptor = 0x20});
    bytes.push_back(repeat ? 0xFF : 0x7F);
    for (int i = 0; i < (repeat ? 1 : 4); ++i) AppendPixel(bytes, {7 + i, 8, 9, 0}, 24);
    const GuardedBytes exact(bytes);
    PlanarImage image;
    ASSERT_EQ(S_OK, DecodeTga(image, exact.Bytes()));
    EXPECT_EQ(repeat ? 7 : 10, ImagePixel(image, 1, 1).red);
  }
}

// Packets of every length from 1 to 128, repeats and literals in turn, running across rows
// and past the last pixel, decoded into one image object after another of the same size.
TEST(TgaDecoder, RunLengthStreamsOfAllPacketLengthsFillRowsInOrder) {
  PlanarImage image;
  struct Shape {
    int width, height;
  };
  for (const Shape shape : {Shape{37, 9}, Shape{9, 37}, Shape{130, 3}})
    for (int depth : {24, 32})
      for (int descriptor : {0x20, 0}) {
        SCOPED_TRACE(testing::Message() << shape.width << "x" << shape.height << " " << depth << " " << descriptor);
        std::vector<std::uint8_t> bytes = TgaHeader(
            {.imageType = 10, .width = shape.width, .height = shape.height, .depth = depth, .descriptor = descriptor});
        std::vector<Rgba> pixels;
        const std::size_t total = static_cast<std::size_t>(shape.width) * shape.height;
        for (int packet = 0; pixels.size() < total; ++packet) {
          const int length = 1 + packet * 37 % 128;
          const bool repeat = packet % 2 == 0;
          bytes.push_back(static_cast<std::uint8_t>((repeat ? 0x80 : 0) | (length - 1)));
          for (int i = 0; i < length; ++i) {
            const int n = static_cast<int>(pixels.size());
            const Rgba colour = repeat ? Rgba{packet & 255, 7, 200, 40} : Rgba{n & 255, n >> 8, packet & 255, n * 3 & 255};
            if (!repeat || i == 0) AppendPixel(bytes, colour, depth);
            pixels.push_back(colour);
          }
        }
        ASSERT_EQ(S_OK, DecodeTga(image, bytes));
        ASSERT_EQ(shape.width, image.Width());
        ASSERT_EQ(shape.height, image.Height());
        for (int fileRow = 0; fileRow < shape.height; ++fileRow)
          for (int x = 0; x < shape.width; ++x) {
            Rgba expected = pixels[static_cast<std::size_t>(fileRow) * shape.width + x];
            if (depth == 24) expected.alpha = 255;
            const int y = descriptor ? fileRow : shape.height - 1 - fileRow;
            ASSERT_EQ(expected, ImagePixel(image, x, y)) << x << "," << y;
          }
      }
}

TEST(TgaDecoder, RejectsColourMapsOtherTypesAndDepths) {
  const auto rejected = [](const TgaLayout& layout) {
    PlanarImage image;
    const HRESULT result = DecodeTga(image, RawTga(layout, Pattern));
    return result == E_FAIL && !image.Drawable() && image.Width() == 0 && image.Height() == 0;
  };
  EXPECT_TRUE(rejected({.width = 2, .height = 2, .colourMapType = 1}));
  EXPECT_TRUE(rejected({.imageType = 1, .width = 2, .height = 2}));
  EXPECT_TRUE(rejected({.imageType = 3, .width = 2, .height = 2}));
  EXPECT_TRUE(rejected({.imageType = 9, .width = 2, .height = 2}));
  EXPECT_TRUE(rejected({.imageType = 11, .width = 2, .height = 2}));
  EXPECT_TRUE(rejected({.width = 2, .height = 2, .depth = 16}));
  EXPECT_TRUE(rejected({.width = 2, .height = 2, .depth = 8}));
  EXPECT_TRUE(rejected({.width = 0, .height = 2}));
  EXPECT_TRUE(rejected({.width = 2, .height = 0}));
  EXPECT_FALSE(rejected({.width = 2, .height = 2}));
}

TEST(TgaDecoder, EveryTruncationFailsCleanlyWithoutReadingPastTheEnd) {
  const std::vector<std::vector<std::uint8_t>> files = {
      RawTga({.width = 3, .height = 2, .depth = 24, .idLength = 2}, Pattern),
      RawTga({.width = 3, .height = 2, .depth = 32}, Pattern),
      RunLengthAcrossRows(24),
      RunLengthAcrossRows(32),
  };
  for (const auto& file : files) {
    for (std::size_t length = 0; length <= file.size(); ++length) {
      SCOPED_TRACE(length);
      const GuardedBytes prefix(std::span<const std::uint8_t>(file).first(length));
      PlanarImage image;
      MakeSolidImage(image, 2, 2, RGB(1, 2, 3), 255);
      const HRESULT result = DecodeTga(image, prefix.Bytes());
      if (length == file.size()) {
        EXPECT_EQ(S_OK, result);
      } else {
        EXPECT_EQ(E_FAIL, result);
        EXPECT_FALSE(image.Drawable());
        EXPECT_EQ(0, image.Width());
      }
    }
  }
}

TEST(TgaDecoder, HugeClaimedSizesFailWithoutAllocating) {
  for (int type : {2, 10}) {
    SCOPED_TRACE(type);
    std::vector<std::uint8_t> bytes = TgaHeader({.imageType = type, .width = 65535, .height = 65535, .depth = 32});
    bytes.insert(bytes.end(), 4096, 0x81);
    PlanarImage image;
    EXPECT_EQ(E_FAIL, DecodeTga(image, bytes));
    EXPECT_FALSE(image.Drawable());
  }
}

TEST(TgaDecoder, LargestRunLengthImageThatTheDataCanDescribeDecodes) {
  // Three repeat packets of 128 describe exactly 384 pixels: 384 x 1 is plausible, 385 x 1 not.
  for (int width : {384, 385}) {
    std::vector<std::uint8_t> bytes = TgaHeader({.imageType = 10, .width = width, .height = 1});
    for (int i = 0; i < 3; ++i) {
      bytes.push_back(0xFF);
      AppendPixel(bytes, {i, i, i, 0}, 24);
    }
    PlanarImage image;
    EXPECT_EQ(width == 384 ? S_OK : E_FAIL, DecodeTga(image, bytes)) << width;
  }
}

TEST(TgaFile, LoadsByExtensionInAnyCaseAndFailsWhenMissing) {
  const auto bytes = RawTga({.width = 3, .height = 2, .descriptor = 0x20}, Pattern);
  for (const wchar_t* name : {L"qm_image_test.tga", L"qm_image_test.TGA", L"qm_image_test.Tga"}) {
    const std::wstring path = WriteTempFile(name, bytes);
    PlanarImage image;
    ASSERT_EQ(S_OK, LoadImageFromFile(image, path.c_str())) << path.c_str();
    EXPECT_EQ(3, image.Width());
    EXPECT_EQ((Rgba{Pattern(2, 1).red, Pattern(2, 1).green, Pattern(2, 1).blue, 255}), ImagePixel(image, 2, 1));
    DeleteFileW(path.c_str());
  }
  PlanarImage image;
  MakeSolidImage(image, 2, 2, RGB(1, 2, 3), 255);
  EXPECT_EQ(E_FAIL, LoadImageFromFile(image, L"C:\\no such folder\\missing.tga"));
  EXPECT_FALSE(image.Drawable());
}

}  // namespace
