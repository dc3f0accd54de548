// The commands pimtool knows. A new kind of item adds its rows here and its handlers in a
// file of its own.
#include "tools/pimtool/category_commands.h"
#include "tools/pimtool/item_commands.h"
#include "tools/pimtool/pimtool.h"

namespace {

constexpr PimCommand kCommands[] = {
    {L"list", L"categories", L"", ListCategories},
    {L"add", L"category", L"NAME [NAME...]", AddCategories},
    {L"rename", nullptr, L"OLD NEW", RenameCategory},
    {L"remove", L"category", L"NAME", RemoveCategory},
    {L"list", L"appointments", L"", ListAppointments},
    {L"list", L"tasks", L"", ListTasks},
    {L"list", L"contacts", L"", ListContacts},
    {L"add", L"appointment", L"[--subject T] [--start D] [--end D] [--isrecurring 0|1] [--reminderset 0|1] "
                             L"[--reminderminutesbeforestart N] [--categories T] [--daily N]", AddAppointment},
    {L"add", L"task", L"[--subject T] [--startdate D] [--duedate D] [--reminderset 0|1] [--remindertime D] "
                      L"[--categories T]", AddTask},
    {L"add", L"contact", L"[--fileas T] [--body T] [--categories T]", AddContact},
    {L"remove", nullptr, L"OID", RemoveItem},
};

}  // namespace

std::span<const PimCommand> PimCommands() { return kCommands; }
