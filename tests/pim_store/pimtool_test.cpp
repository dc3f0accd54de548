// pimtool in the device, on the device's own "\pim.vol" (kept aside and put back): the
// categories of a device in use, listed as UTF-8 table bytes, then edited.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/pim_store/pim_store_test.h"
#include "tests/support/program_driver.h"

namespace {

constexpr wchar_t kPimTool[] = L"C:\\DeviceTools\\pimtool.exe";
constexpr wchar_t kDeviceVolume[] = L"C:\\pim.vol";

struct Outcome {
  DWORD code = 0xFFFF;
  std::string output;  // standard output and error together
};

Outcome RunPimTool(const std::wstring& arguments) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring outputFile = std::wstring(folder) + L"pimtool_output.txt";
  Outcome outcome;
  RunningProgram program;
  if (program.Start(kPimTool, arguments.c_str(), outputFile.c_str()) && program.WaitExit(30000, &outcome.code))
    outcome.output = ReadBytes(outputFile.c_str());
  DeleteFileW(outputFile.c_str());
  return outcome;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(
      static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                              static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

class PimTool : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = ReadBytes(kDeviceVolume);
    DeleteFileW(kDeviceVolume);
  }
  void TearDown() override {
    DeleteFileW(kDeviceVolume);
    if (!saved_.empty()) WriteBytes(kDeviceVolume, saved_);
  }

 private:
  std::string saved_;
};

TEST_F(PimTool, ListsAndEditsTheDevicesCategories) {
  Outcome empty = RunPimTool(L"list categories");
  EXPECT_EQ(0u, empty.code);
  EXPECT_EQ("Id\tName\tFlag\n", empty.output);

  EXPECT_EQ(0u, RunPimTool(L"add category Personal Business Holiday Family Caf\u00e9 Ideas \u00c4rzte Travel "
                           L"\u041f\u0443\u0442\u0435\u0448\u0435\u0441\u0442\u0432\u0438\u044f Gifts Sport "
                           L"\"Quarterly planning and budget review mtg\"")
                    .code);
  Outcome seeded = RunPimTool(L"list categories");
  EXPECT_EQ(0u, seeded.code);
  EXPECT_EQ(
      "Id\tName\tFlag\n1\tPersonal\t0\n2\tBusiness\t0\n3\tHoliday\t0\n4\tFamily\t0\n5\tCaf\xC3\xA9\t0\n"
      "6\tIdeas\t0\n7\t\xC3\x84rzte\t0\n8\tTravel\t0\n9\t" +
          Utf8(L"\u041f\u0443\u0442\u0435\u0448\u0435\u0441\u0442\u0432\u0438\u044f") +
          "\t0\n10\tGifts\t0\n11\tSport\t0\n12\tQuarterly planning and budget review mtg\t0\n",
      seeded.output);

  // A name equal to another but for case is refused; the rest of the call still adds.
  Outcome clash = RunPimTool(L"add category CAF\u00c9 Snacks");
  EXPECT_EQ(1u, clash.code);
  EXPECT_NE(std::string::npos, clash.output.find("Caf\xC3\xA9\" exists already"));
  EXPECT_EQ(0u, RunPimTool(L"rename Gifts \"Gifts & cards\"").code);
  EXPECT_EQ(1u, RunPimTool(L"rename gifts Presents").code);  // names are exact
  EXPECT_EQ(1u, RunPimTool(L"rename Sport PERSONAL").code);  // would clash
  EXPECT_EQ(0u, RunPimTool(L"remove category Ideas").code);
  EXPECT_EQ(1u, RunPimTool(L"remove category Ideas").code);
  Outcome edited = RunPimTool(L"list categories");
  EXPECT_NE(std::string::npos, edited.output.find("\n10\tGifts & cards\t0\n11\tSport\t0\n"));
  EXPECT_NE(std::string::npos, edited.output.find("\t0\n13\tSnacks\t0\n"));
  EXPECT_EQ(std::string::npos, edited.output.find("Ideas"));

  for (const wchar_t* usage : {L"", L"list", L"list nothing", L"rename Sport", L"add category"})
    EXPECT_EQ(2u, RunPimTool(usage).code) << usage;
}

}  // namespace
