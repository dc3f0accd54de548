#pragma once
// QMLinker's one reference to the Pocket Outlook application, logged on with its window,
// held from WM_CREATE to WM_DESTROY. COM runs in the multithreaded apartment of the UI
// thread, which makes every Pocket Outlook call.
#include <windows.h>

#include <string>

#include "platform/com_ptr.h"
#include "platform/pimstore.h"

class PoomSession {
 public:
  PoomSession() = default;
  PoomSession(const PoomSession&) = delete;
  PoomSession& operator=(const PoomSession&) = delete;
  ~PoomSession() { Close(); }

  // False, with nothing held, when COM, the application or the logon fails.
  bool Open(HWND window);
  void Close();
  bool IsOpen() const { return static_cast<bool>(application_); }
  IPOutlookApp2* Application() const { return application_.Get(); }

  // The item with that identifier, or null.
  ComPtr<IDispatch> ItemFromOid(CEOID oid) const;
  // Takes a text that an item returned: copies it and frees it with the application's
  // SysFreeString. False when the call failed or gave no text.
  bool TakeText(HRESULT result, BSTR text, std::wstring& out) const;

 private:
  ComPtr<IPOutlookApp2> application_;
  bool comStarted_ = false;
};

// The item asked for one of its interfaces, or null.
template <typename Interface>
ComPtr<Interface> QueryItem(IUnknown* item, REFIID iid) {
  ComPtr<Interface> result;
  if (item) item->QueryInterface(iid, result.PutVoid());
  return result;
}
