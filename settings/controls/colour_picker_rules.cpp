#include "settings/controls/colour_picker_rules.h"

#include <cwctype>

#include "settings/controls/colour_picker.h"

namespace {

constexpr int kMaxChannel = 255;
constexpr int kSliderMax = 100;

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

const wchar_t* SkipBlanks(const wchar_t* text) {
  while (*text && std::iswspace(*text)) ++text;
  return text;
}

int InPalette(int cell) { return cell >= 0 && cell < kPaletteCells ? cell : -1; }

}  // namespace

Channels ChannelsOf(COLORREF colour) {
  if (colour == kDefaultColour || colour == kCancelledColour) return Channels{};
  return Channels{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF ColourOf(const Channels& channels) {
  return static_cast<COLORREF>(channels.red + channels.green * 256 + channels.blue * 65536);
}

int SliderPosition(int value) { return value * kSliderMax / kMaxChannel; }

int SliderValue(int position) { return position * kMaxChannel / kSliderMax; }

bool ParseChannelText(const wchar_t* text, int& value) {
  if (!text) text = L"";
  text = SkipBlanks(text);
  bool negative = false;
  if (*text == L'-' || *text == L'+') negative = *text++ == L'-';
  // Stops counting once past the range, so that long inputs cannot overflow.
  int number = 0;
  for (; *text >= L'0' && *text <= L'9'; ++text)
    if (number <= kMaxChannel) number = number * 10 + (*text - L'0');
  if (number > kMaxChannel || (negative && number != 0)) return false;
  value = number;
  return true;
}

void FormatHtmlText(const Channels& channels, WideString& text) {
  text.Format(L"%02lX%02lX%02lX", static_cast<unsigned long>(channels.red), static_cast<unsigned long>(channels.green),
              static_cast<unsigned long>(channels.blue));
}

int ParseHtmlText(const wchar_t* text, Channels& channels) {
  if (!text) return 0;
  int* fields[] = {&channels.red, &channels.green, &channels.blue};
  int read = 0;
  for (int* field : fields) {
    text = SkipBlanks(text);
    int first = HexDigit(*text);
    if (first < 0) break;
    int second = HexDigit(text[1]);
    *field = second < 0 ? first : first * 16 + second;
    text += second < 0 ? 1 : 2;
    ++read;
  }
  return read;
}

int PaletteCellAbove(int cell) { return InPalette(cell) < 0 ? -1 : InPalette(cell - kPaletteColumns); }

int PaletteCellBelow(int cell) { return InPalette(cell) < 0 ? -1 : InPalette(cell + kPaletteColumns); }
