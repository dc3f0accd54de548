#pragma once
// pimtool's commands on the device's Pocket Outlook items (platform/pim_items.h).
#include "tools/pimtool/pimtool.h"

int ListAppointments(const PimArguments& arguments);
int ListTasks(const PimArguments& arguments);
int ListContacts(const PimArguments& arguments);
int AddAppointment(const PimArguments& arguments);
int AddTask(const PimArguments& arguments);
int AddContact(const PimArguments& arguments);
int RemoveItem(const PimArguments& arguments);
