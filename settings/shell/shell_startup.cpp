#include "settings/shell/shell_startup.h"

#include "settings/base/program_modules.h"
#include "settings/base/scale.h"
#include "settings/base/startup_trace.h"
#include "settings/controls/planar_image.h"
#include "settings/files/category_manager.h"
#include "settings/files/drawing_cache.h"
#include "settings/files/icon_library.h"
#include "settings/shell/shell_fonts.h"
#include "settings/shell/shell_state.h"
#include "settings/store/settings_store.h"

namespace {

void LoadResolutionLibrary() {
  WideString path(Store().ProgramFilesFolder());
  path.Append(ScaleX(1) < 2 ? L"\\Tessaly\\Quillmere\\LowDpiRes.dll" : L"\\Tessaly\\Quillmere\\HighDpiRes.dll");
  Modules().resolutionLibrary = LoadLibraryW(path.c_str());
}

}  // namespace

void StartShell() {
  ShellState& shell = Shell();
  shell.currentPage = nullptr;
  Modules().languageLibrary = nullptr;
  StartImagingFactory();
  StartupTraceStep("imaging factory");
  shell.activation = SHACTIVATEINFO{};
  shell.activation.cbSize = sizeof(SHACTIVATEINFO);
  DwordSetting& vgaMode = Store().general.MyVgaMode;
  vgaMode.Load(nullptr, 0, L"MyVgaMode", 3);
  ScaleInit(vgaMode.value != 0);
  Store().LoadAll(Modules().languageLibrary);
  StartupTraceStep("settings loaded");
  LoadResolutionLibrary();
  StartupTraceStep("resolution library");
  LoadGlyphs(Drawing(), Modules().resolutionLibrary, L"");
  StartupTraceStep("glyphs");
  shell.normalFont = CreateShellFont(false);
  shell.boldFont = CreateShellFont(true);
  StartupTraceStep("fonts");
  Categories().Load(Modules().languageLibrary);
  StartupTraceStep("categories");
}

void StopShell() {
  ShellState& shell = Shell();
  shell.normalFont.Reset();
  shell.boldFont.Reset();
  FreeGlyphs(Drawing());
  ProgramIcons().Clear();
  if (Modules().languageLibrary) FreeLibrary(Modules().languageLibrary);
  if (Modules().resolutionLibrary) FreeLibrary(Modules().resolutionLibrary);
  Modules().languageLibrary = Modules().resolutionLibrary = nullptr;
  StopImagingFactory();
}
