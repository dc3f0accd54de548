// Which items a tab of the plug-in shows: the tab's selection plus two hiding settings.
#include "settings/files/category_manager.h"
#include "settings/files/preview_painter.h"
#include "settings/store/settings_store.h"

bool ShowsAppointment(const AppointmentItem& item, const CategoryItem* selection, bool hidePassed) {
  if (!ItemMatches(item.categories, selection, item.sensitivity)) return false;
  return !(item.passed && hidePassed);
}

bool ShowsAppointment(const AppointmentItem& item) {
  return ShowsAppointment(item, Categories().calendarSelection, Store().calendar.dAppoPassedToday.value == 1);
}

bool ShowsTask(const TaskItem& item, const CategoryItem* selection, bool hideCompleted) {
  if (item.completed && hideCompleted) return false;
  return ItemMatches(item.categories, selection, item.sensitivity);
}

bool ShowsTask(const TaskItem& item) {
  return ShowsTask(item, Categories().tasksSelection, Store().tasks.HideCompletedTasks.value == 1);
}
