// The row builders' geometry at both ends of the device resolutions, showing a tab's range,
// moving list items, and the two shared drawings.
#include "settings/toolkit/row_builders.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/modal_answerer.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

using Rect = std::vector<int>;
constexpr UINT kChoices[] = {859, 856, 915};  // "Clear", "Browse", "Default"
constexpr COLORREF kNoColour = 0xFFFFFFFF;
constexpr COLORREF kBandColour = 0xD7B798;

class RowTest : public ToolkitTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    Prepare(GetParam());
    ASSERT_NE(Open(0), nullptr);
    GetClientRect(window_, &client_);
  }
  RECT client_{};
};

TEST_P(RowTest, RowsStackAtTheirPlacesHiddenInThePageFont) {
  const int r = client_.right;
  int y = 8;
  EXPECT_EQ(AddCheckRow(*page_, window_, 1200, 859, true, y), S(24));
  y += S(24);
  EXPECT_EQ(AddComboRow(*page_, window_, 1201, 1202, 633, kChoices, 3, 1, y, false), S(24));
  y += S(24);
  EXPECT_EQ(AddEditButtonsRow(*page_, window_, 1203, 1204, 1205, 1206, 633, L"\\Skins", y), S(48));
  y += S(48);
  EXPECT_EQ(AddEditButtonsLine(*page_, window_, 1207, 1208, 1209, L"\\Icons", y), S(24));
  y += S(24);
  AddListView(*page_, window_, 1210, kChoices, 3, y);

  const int y1 = 8 + S(24), y2 = y1 + S(24), y3 = y2 + S(48);
  const std::vector<std::pair<int, Rect>> places = {
      {1200, {S(10), 8, r - S(20), S(20)}},
      {1201, {0, y1 + S(3), r - S(140), S(20)}},
      {1203, {0, y2 + S(3), r - S(140), S(20)}},
      {1204, {r - S(135), y2, S(125), S(20)}},
      {1205, {r - S(105), y2 + S(24), S(45), S(20)}},
      {1206, {r - S(55), y2 + S(24), S(45), S(20)}},
      {1207, {S(10), y3, r - S(120), S(20)}},
      {1208, {r - S(105), y3, S(45), S(20)}},
      {1209, {r - S(55), y3, S(45), S(20)}},
      {1210, {S(10), S(68) + y, r - S(20), client_.bottom - S(96) - y}},
  };
  for (const auto& [id, place] : places) EXPECT_EQ(Place(Control(id)), place) << id;
  const Rect combo = Place(Control(1202));
  EXPECT_EQ((Rect{combo[0], combo[1], combo[2]}), (Rect{r - S(135), y1, S(125)}));

  for (int id = 1200; id <= 1210; ++id) {
    EXPECT_FALSE(HasStyle(Control(id), WS_VISIBLE)) << id;
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)), font_.Get()) << id;
  }
  EXPECT_TRUE(HasStyle(Control(1200), BS_AUTOCHECKBOX | BS_LEFTTEXT));
  EXPECT_EQ(SendMessageW(Control(1200), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(HasStyle(Control(1201), SS_RIGHT));
  EXPECT_EQ(Text(Control(1203)), English(633));
  EXPECT_TRUE(HasStyle(Control(1204), ES_READONLY));
  EXPECT_EQ(Text(Control(1204)), L"\\Skins");
  EXPECT_EQ(Text(Control(1205)), English(859));
  EXPECT_EQ(Text(Control(1209)), English(856));
  EXPECT_EQ(Text(Control(1207)), L"\\Icons");

  HWND list = Control(1210);
  EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), S(300));
  wchar_t text[64] = L"";
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(text, English(915));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
}

TEST_P(RowTest, ComboHoldsTheChoicesAndASelectionOnlyWithinThem) {
  AddComboRow(*page_, window_, 1200, 1201, 633, kChoices, 3, 2, 8, false);
  AddComboRow(*page_, window_, 1202, 1203, 633, kChoices, 3, 3, 40, true);
  HWND list = Control(1201);
  HWND editable = Control(1203);
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(GetWindowLongPtrW(editable, GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
  wchar_t text[64] = L"";
  SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(text, English(856));
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(editable, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_P(RowTest, ColourSwatchIsFramedAndNoColourSaysSo) {
  Canvas canvas(120, 60, RGB(128, 128, 128));
  const RECT frame{10, 5, 10 + S(44), 5 + S(20)};
  const RECT inner{frame.left + S(1), frame.top + S(1), frame.right - S(1), frame.bottom - S(1)};
  DrawColourSwatch(*page_, canvas.Dc(), RGB(10, 200, 30), 10, 5);
  EXPECT_EQ(canvas.CountOther(inner, RGB(10, 200, 30)), 0);
  EXPECT_EQ(canvas.CountOther(frame, RGB(0, 0, 0)), S(42) * S(18)) << "a black frame around the colour";
  EXPECT_EQ(canvas.Pixel(frame.right, frame.top), RGB(128, 128, 128));
  EXPECT_EQ(canvas.Pixel(frame.left, frame.bottom), RGB(128, 128, 128));

  DrawColourSwatch(*page_, canvas.Dc(), kNoColour, 10, 5);
  EXPECT_EQ(canvas.Pixel(inner.left, inner.top), RGB(255, 255, 255));
  EXPECT_GT(canvas.CountOther(inner, RGB(255, 255, 255)), 10) << "the text 915";
  EXPECT_EQ(canvas.Pixel(frame.left, frame.top), RGB(0, 0, 0));
}

// ---- The header band from the device's Today background

constexpr const wchar_t* kTodayImages[2] = {L"\\Windows\\tdywater.gif", L"\\windows\\stwater.gif"};

void WriteFile(const wchar_t* path, const std::vector<std::uint8_t>& bytes) {
  if (FILE* file = _wfopen(path, L"wb")) {
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
  }
}

// A 256-colour GIF of `width` x `height` whose row y is palette entry y, except that the
// first four columns are entry 255, pure red. The LZW stream restarts every 200 pixels so
// that every code stays 9 bits wide.
std::vector<std::uint8_t> RowPicture(int width, int height) {
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  auto word = [&](int value) { out.insert(out.end(), {std::uint8_t(value & 0xFF), std::uint8_t(value >> 8)}); };
  word(width);
  word(height);
  out.insert(out.end(), {0xF7, 0, 0});
  for (int entry = 0; entry < 256; ++entry)
    out.insert(out.end(), {std::uint8_t(entry), std::uint8_t(entry == 255 ? 0 : 255 - entry), std::uint8_t(entry == 255 ? 0 : 64)});
  out.push_back(0x2C);
  for (int value : {0, 0, width, height}) word(value);
  out.insert(out.end(), {0, 8});
  std::vector<std::uint8_t> data;
  std::uint32_t bits = 0;
  int used = 0;
  auto code = [&](int value) {
    for (bits |= std::uint32_t(value) << used, used += 9; used >= 8; bits >>= 8, used -= 8) data.push_back(bits & 0xFF);
  };
  for (int pixel = 0; pixel < width * height; ++pixel) {
    if (pixel % 200 == 0) code(256);
    code(pixel % width < 4 ? 255 : pixel / width);
  }
  code(257);
  if (used > 0) data.push_back(bits & 0xFF);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    out.push_back(std::uint8_t(size));
    out.insert(out.end(), data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + size));
  }
  out.insert(out.end(), {0, 0x3B});
  return out;
}

COLORREF RowColour(int row) { return RGB(row, 255 - row, 64); }

class HeaderBandTest : public RowTest {
 protected:
  // The device's own pictures are moved aside for the test and put back afterwards.
  void SetUp() override {
    RowTest::SetUp();
    for (int index = 0; index < 2; ++index) {
      saved_[index] = std::wstring(kTodayImages[index]) + L".saved";
      MoveFileExW(kTodayImages[index], saved_[index].c_str(), MOVEFILE_REPLACE_EXISTING);
    }
  }
  void TearDown() override {
    for (int index = 0; index < 2; ++index) {
      DeleteFileW(kTodayImages[index]);
      MoveFileExW(saved_[index].c_str(), kTodayImages[index], 0);
    }
    RowTest::TearDown();
  }

  // The band made from the page's own device context, as a page paints, and its pixels.
  std::vector<COLORREF> BandColumn(int x) {
    page_->SetHeaderBitmap(nullptr);
    HBITMAP band = DrawHeaderBand(*page_, ScopedGetDC(window_), 100);
    BITMAP info{};
    GetObjectW(band, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 100);
    EXPECT_EQ(info.bmHeight, S(42));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, band);
    std::vector<COLORREF> column;
    for (int row = 0; row < info.bmHeight; ++row) column.push_back(GetPixel(dc, x, row));
    SelectObject(dc, old);
    DeleteDC(dc);
    return column;
  }

  // Black lines along top and bottom around the given inner rows.
  std::vector<COLORREF> Expected(const std::function<COLORREF(int)>& inner) {
    std::vector<COLORREF> column;
    for (int row = 0; row < S(42); ++row)
      column.push_back(row < S(1) || row >= S(42) - S(1) ? RGB(0, 0, 0) : inner(row));
    return column;
  }

  std::wstring saved_[2];
};

TEST_P(HeaderBandTest, PictureRowsFrom160AboveItsBottomOrElseFromTheTenth) {
  WriteFile(kTodayImages[0], RowPicture(120, 250));
  const int top = 250 - S(160) >= 0 ? 250 - S(160) : S(10);
  EXPECT_EQ(BandColumn(10), Expected([&](int row) { return RowColour(top + row); }));
  EXPECT_EQ(BandColumn(2), Expected([](int) { return kBandColour; })) << "red is see-through";

  DeleteFileW(kTodayImages[0]);
  WriteFile(kTodayImages[1], RowPicture(100, S(10) + S(42)));
  EXPECT_EQ(BandColumn(10), Expected([&](int row) { return RowColour(S(10) + row); }));
}

TEST_P(HeaderBandTest, WithoutAPictureLargeEnoughTheBandIsPlainAndMadeOnce) {
  const auto plain = Expected([](int) { return kBandColour; });
  EXPECT_EQ(BandColumn(50), plain);
  HBITMAP band = page_->HeaderBitmap();
  EXPECT_EQ(DrawHeaderBand(*page_, ScopedGetDC(window_), 300), band);

  WriteFile(kTodayImages[0], RowPicture(99, 250));
  WriteFile(kTodayImages[1], RowPicture(200, 250));  // not consulted: the first one loads
  EXPECT_EQ(BandColumn(50), plain);
  WriteFile(kTodayImages[0], RowPicture(100, S(10) + S(42) - 1));
  EXPECT_EQ(BandColumn(50), plain);
}

INSTANTIATE_TEST_SUITE_P(Dpi, RowTest, ::testing::Values(96, 192));
INSTANTIATE_TEST_SUITE_P(Dpi, HeaderBandTest, ::testing::Values(96, 192));

// ---- Showing a tab's range

TEST_F(ToolkitTest, ControlRangeSkipsMissingIdsAndLeavesOthersAlone) {
  Prepare(96);
  Open(0);
  for (int id : {1200, 1201, 1203, 1205}) AddStatic(*page_, window_, id, 633, 0, 0, 10, 10, 0);
  ShowControlRange(window_, 1200, 1204, SW_SHOW);
  ShowControlRange(window_, 1201, 1202, SW_HIDE);
  const std::vector<bool> expected = {true, false, true, false};
  std::vector<bool> shown;
  for (int id : {1200, 1201, 1203, 1205}) shown.push_back(HasStyle(Control(id), WS_VISIBLE));
  EXPECT_EQ(shown, expected);
}

// ---- Moving list items

class MoveListItemTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Prepare(96);
    Open(0);
    list_ = AddListView(*page_, window_, 1210, kChoices, 3, 0);
    ASSERT_NE(list_, nullptr);
    for (int index = 0; index < 3; ++index) {
      LVITEMW item{};
      item.mask = LVIF_PARAM;
      item.iItem = index;
      item.lParam = 10 * (index + 1);
      SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // Made only now: the windows above were activated before it listens.
    answerer_ = std::make_unique<ModalAnswerer>();
  }
  void TearDown() override {
    answerer_.reset();
    ToolkitTest::TearDown();
  }

  void Select(int index) {
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, index);
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  }

  // Each row as "text/data", with "+" when checked and "*" when selected.
  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int index = 0; index < 3; ++index) {
      wchar_t text[64] = L"";
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = index;
      item.pszText = text;
      item.cchTextMax = 64;
      SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      const auto state = SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK | LVIS_SELECTED);
      rows.push_back(std::wstring(text) + L"/" + std::to_wstring(item.lParam) + ((state >> 12) == 2 ? L"+" : L"") +
                     (state & LVIS_SELECTED ? L"*" : L""));
    }
    return rows;
  }

  HWND list_ = nullptr;
  std::unique_ptr<ModalAnswerer> answerer_;
};

TEST_F(MoveListItemTest, WithoutASelectionItSaysSoAndChangesNothing) {
  std::wstring caption;
  std::vector<std::wstring> texts;
  answerer_->Then([&](HWND box) {
    caption = Text(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) texts.push_back(Text(child));
    PressButton(box, IDOK);
  });
  const auto before = Rows();
  MoveListItem(window_, 1210, true);
  EXPECT_EQ(answerer_->Answered(), 1);
  EXPECT_EQ(caption, English(634));
  EXPECT_NE(std::find(texts.begin(), texts.end(), English(633)), texts.end());
  EXPECT_EQ(Rows(), before);
}

TEST_F(MoveListItemTest, ItemsMoveWithDataChecksAndSelectionButNotPastTheEnds) {
  answerer_->Then([](HWND box) { PressButton(box, IDOK); });  // closes a message that must not come
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  LVITEMW check{};
  check.stateMask = LVIS_STATEIMAGEMASK;
  check.state = INDEXTOSTATEIMAGEMASK(2);
  SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&check));
  Select(0);
  MoveListItem(window_, 1210, true);
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"Clear/10+*", L"Browse/20", L"Default/30"}));
  MoveListItem(window_, 1210, false);
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"Browse/20", L"Clear/10+*", L"Default/30"}));
  EXPECT_EQ(SendMessageW(list_, LVM_GETSELECTIONMARK, 0, 0), 1);
  EXPECT_EQ(GetFocus(), list_);
  MoveListItem(window_, 1210, false);
  MoveListItem(window_, 1210, false);
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"Browse/20", L"Default/30", L"Clear/10+*"}));
  EXPECT_EQ(answerer_->Answered(), 0);
}

}  // namespace
