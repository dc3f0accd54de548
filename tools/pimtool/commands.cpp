// The commands pimtool knows. A new kind of item adds its rows here and its handlers in a
// file of its own.
#include "tools/pimtool/category_commands.h"
#include "tools/pimtool/pimtool.h"

namespace {

constexpr PimCommand kCommands[] = {
    {L"list", L"categories", L"", ListCategories},
    {L"add", L"category", L"NAME [NAME...]", AddCategories},
    {L"rename", nullptr, L"OLD NEW", RenameCategory},
    {L"remove", L"category", L"NAME", RemoveCategory},
};

}  // namespace

std::span<const PimCommand> PimCommands() { return kCommands; }
