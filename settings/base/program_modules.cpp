#include "settings/base/program_modules.h"

namespace {

ProgramModules g_modules;

}  // namespace

ProgramModules& Modules() { return g_modules; }
