// The built qpUtilR.bxr as a Windows image: its export table (exactly the six
// undecorated names, recorded under the library's own name), an import list
// of Windows system libraries only, and its version and string resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA(PluginPath().c_str());
    ASSERT_NE(module_, nullptr);
    base_ = reinterpret_cast<const BYTE*>(module_);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base_);
    nt_ = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base_ + dos->e_lfanew);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  const IMAGE_DATA_DIRECTORY& Directory(int i) const { return nt_->OptionalHeader.DataDirectory[i]; }
  const char* At(DWORD rva) const { return reinterpret_cast<const char*>(base_ + rva); }

  HMODULE module_ = nullptr;
  const BYTE* base_ = nullptr;
  const IMAGE_NT_HEADERS32* nt_ = nullptr;
};

TEST_F(ImageTest, IsA32BitDll) {
  EXPECT_EQ(nt_->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_TRUE(nt_->FileHeader.Characteristics & IMAGE_FILE_DLL);
}

TEST_F(ImageTest, ExportsExactlyTheSixEntryPointsUnderItsOwnName) {
  const auto& dir = Directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
  ASSERT_NE(dir.VirtualAddress, 0u);
  auto* exp = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base_ + dir.VirtualAddress);
  EXPECT_STREQ(At(exp->Name), "qpUtilR.bxr");
  EXPECT_EQ(exp->NumberOfFunctions, 6u);
  std::set<std::string> names;
  auto* nameRvas = reinterpret_cast<const DWORD*>(base_ + exp->AddressOfNames);
  for (DWORD i = 0; i < exp->NumberOfNames; ++i) names.insert(At(nameRvas[i]));
  EXPECT_EQ(names, (std::set<std::string>{"bxInitPlugIn", "bxRegisterPlugIn", "bxRegisterScriptProcessor",
                                          "bxRegisterInterfaceAccess", "bxExecAction", "bxMessage"}));
}

TEST_F(ImageTest, ImportsWindowsSystemLibrariesOnly) {
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",    "advapi32.dll",
                                        "shell32.dll",  "ole32.dll",    "oleaut32.dll", "comdlg32.dll",
                                        "comctl32.dll", "powrprof.dll", "hhctrl.ocx",   "msvcrt.dll",
                                        "shlwapi.dll",  "version.dll"};
  const auto& dir = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
  ASSERT_NE(dir.VirtualAddress, 0u);
  std::vector<std::string> imported;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base_ + dir.VirtualAddress); d->Name; ++d) {
    std::string name = At(d->Name);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    imported.push_back(name);
    EXPECT_TRUE(system.count(name)) << name << " is not a Windows system library";
  }
  // The power-management library and the HTML Help control are imported by
  // name, so they must be present when the library loads.
  for (const char* required : {"kernel32.dll", "powrprof.dll", "hhctrl.ocx"})
    EXPECT_TRUE(std::find(imported.begin(), imported.end(), required) != imported.end()) << required;
  // The C++ runtime is linked in, not imported.
  for (const auto& name : imported) EXPECT_EQ(name.find("lib"), std::string::npos) << name;
}

TEST_F(ImageTest, CarriesItsVersionAndStringResources) {
  HRSRC version = FindResourceA(module_, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_VERSION));
  EXPECT_NE(version, nullptr);
  char text[64] = {};
  EXPECT_GT(LoadStringA(module_, 1, text, sizeof text), 0);
  EXPECT_STREQ(text, "qpUtil");
}

}  // namespace
}  // namespace qptest
