#pragma once
// One Pocket Outlook item as the stand-in's objects hold it: its kind, its identifier (0
// until first saved) and a copy of its properties, read from and written back to the PIM
// volume. An occurrence of a daily series is the series' item with its dates moved by whole
// days; saving it changes the series (this stand-in keeps no exceptions).
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "platform/pim_items.h"
#include "platform/pim_volume.h"

class ItemState {
 public:
  explicit ItemState(PimItemKind kind) : kind_(kind) {}

  // The item with that identifier, from the volume; false when there is none.
  static bool Load(CEOID oid, ItemState& out);

  PimItemKind Kind() const { return kind_; }
  // The interface that journals speak of: IAppointment, ITask or IContact.
  const char* InterfaceName() const;
  CEOID Oid() const { return oid_; }
  // The window given at logon, which owns what Display shows.
  HWND Owner() const { return owner_; }
  void SetOwner(HWND owner) { owner_ = owner; }

  std::wstring Text(CEPROPID propid) const;
  // DATE_NONE when unset.
  DATE Date(CEPROPID propid) const;
  LONGLONG Number(CEPROPID propid, LONGLONG fallback = 0) const;
  void SetText(CEPROPID propid, const wchar_t* text);
  // DATE_NONE, or a date the volume cannot hold, unsets the property.
  void SetDate(CEPROPID propid, DATE date);
  void SetNumber(CEPROPID propid, LONGLONG value);

  // The property the editor's first field changes: the subject, or a contact's FileAs.
  CEPROPID TitleProperty() const;

  // The occurrence `day` days after the series' start, when the series has one there.
  bool OccurrenceOn(DATE date, ItemState& out) const;
  bool IsOccurrence() const { return occurrenceDay_ >= 0; }

  HRESULT Save();
  HRESULT Delete();

 private:
  PimItemKind kind_;
  CEOID oid_ = 0;
  HWND owner_ = nullptr;
  PimRecord record_;
  long occurrenceDay_ = -1;
};

// A text property as a BSTR for a get_ method; E_POINTER without a slot.
HRESULT TextResult(const ItemState& item, CEPROPID propid, BSTR* out);
