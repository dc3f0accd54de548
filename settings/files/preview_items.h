#pragma once
// The items the preview painter lays out: the same small family the plug-in's painter
// draws, reduced to what the sample lines of the Calendar and Tasks pages need.
#include <windows.h>

#include <vector>

#include "settings/base/wide_string.h"

class Category;

// OLE automation date of a task date that is not set (far in the future).
inline constexpr double kNoDate = 949998.0;
inline constexpr RECT kUnplacedRect{-10, -10, -10, -10};

class ListItem {
 public:
  ListItem() = default;
  ListItem(const ListItem&) = default;
  ListItem& operator=(const ListItem&) = default;
  virtual ~ListItem() = default;

  int timeColumnWidth = -1;  // cached by TimeColumnWidth; -1: not measured
};

class PimItem : public ListItem {
 public:
  // Inserts in the category manager's order (name, ignoring case); a category already
  // there is not added twice.
  void AddCategory(const Category* category);
  int CategoryCount() const { return static_cast<int>(categories.size()); }

  std::vector<const Category*> categories;
};

class TextItem : public PimItem {
 public:
  WideString title;
  // Where the painter put the title, the second text and the tap areas of the reminder,
  // note and link icons.
  RECT titleRect = kUnplacedRect;
  RECT secondRect = kUnplacedRect;
  RECT reminderRect = kUnplacedRect;
  RECT noteRect = kUnplacedRect;
  RECT linkRect = kUnplacedRect;
  DWORD sensitivity = 0;  // 2: private
  bool completed = false;
  HBITMAP bitmap = nullptr;  // not owned
  bool hasReminder = false;
  bool hasNote = false;
  bool hasLink = false;
  bool hasAttendees = false;
  DWORD recurrenceState = 0;  // 1: recurring (2 shows no icon)
  bool conflicting = false;
};

class AppointmentItem : public TextItem {
 public:
  WideString location;   // the second text once composed
  WideString timeLabel;  // composed
  bool allDay = false;
  bool passed = false;
  double start = 0.0;  // OLE automation dates
  double end = 0.0;
};

class TaskItem : public TextItem {
 public:
  WideString text2;
  WideString text3;
  double startDate = kNoDate;
  double dueDate = kNoDate;
  DWORD importance = 1;  // 0 low, 1 normal, 2 high
  bool regenerates = false;
};
