#pragma once
// The application object of the stand-in (CLSID_Application): logon, creating items and
// fetching them by identifier from the PIM volume. The window given at logon owns the
// windows that items' Display shows.
#include "platform/pimstore.h"
#include "platform/pocket_outlook/poom_object.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class PoomApplication final : public WithoutDispatch<IPOutlookApp2>, private ObjectLife {
 public:
  static HRESULT Create(REFIID iid, void** out);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
  ULONG STDMETHODCALLTYPE Release() override { return DropReference(); }

  HRESULT STDMETHODCALLTYPE Logon(LONG_PTR window) override;
  HRESULT STDMETHODCALLTYPE Logoff() override;
  HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) override;
  HRESULT STDMETHODCALLTYPE CreateItem(int type, IDispatch** item) override;
  HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** item) override;
  HRESULT STDMETHODCALLTYPE SysFreeString(BSTR text) override;
  HRESULT STDMETHODCALLTYPE GetItemFromOidEx(ULONG oid, ULONG flags, IItem** item) override;

  POOM_NOT_IMPLEMENTED("IPOutlookApp", GetDefaultFolder, int, IFolder**)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", get_HomeCity, ICity**)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", put_HomeCity, ICity*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", get_VisitingCity, ICity**)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", put_VisitingCity, ICity*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", get_CurrentCityIndex, long*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", put_CurrentCityIndex, long)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", ReceiveFromInfrared)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", get_OutlookCompatible, VARIANT_BOOL*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", GetTimeZoneFromIndex, int, ITimeZone**)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", GetTimeZoneInformationFromIndex, int, TIME_ZONE_INFORMATION*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", get_Application, IPOutlookApp**)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", VariantTimeToSystemTime, DATE, SYSTEMTIME*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp", SystemTimeToVariantTime, SYSTEMTIME*, DATE*)
  POOM_NOT_IMPLEMENTED("IPOutlookApp2", GetIDsFromNames, ULONG, const LPCWSTR*, ULONG, CEPROPID*)

 private:
  PoomApplication() = default;

  HWND window_ = nullptr;
};
#pragma GCC diagnostic pop
