#pragma once
// IContact of the stand-in: FileAs (the name that lists show), Body (the notes) and the
// categories are kept; the rest of the published interface answers E_NOTIMPL.
#include "platform/pocket_outlook/poom_item.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class PoomContact final : public PoomItem<IContact, IID_IContact> {
 public:
  using PoomItem::PoomItem;

  HRESULT STDMETHODCALLTYPE get_FileAs(BSTR* out) override { return GetText("get_FileAs", PIMPR_FILEAS, out); }
  HRESULT STDMETHODCALLTYPE get_Body(BSTR* out) override { return GetText("get_Body", PIMPR_BODY_TEXT, out); }
  HRESULT STDMETHODCALLTYPE get_Categories(BSTR* out) override {
    return GetText("get_Categories", PIMPR_CATEGORIES, out);
  }
  HRESULT STDMETHODCALLTYPE put_FileAs(BSTR text) override { return PutText("put_FileAs", PIMPR_FILEAS, text); }
  HRESULT STDMETHODCALLTYPE put_Body(BSTR text) override { return PutText("put_Body", PIMPR_BODY_TEXT, text); }
  HRESULT STDMETHODCALLTYPE put_Categories(BSTR text) override {
    return PutText("put_Categories", PIMPR_CATEGORIES, text);
  }

  POOM_NOT_IMPLEMENTED("IContact", get_Birthday, DATE*)
  POOM_NOT_IMPLEMENTED("IContact", get_Anniversary, DATE*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessFaxNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_CompanyName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Department, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Email1Address, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_MobileTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OfficeLocation, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_PagerNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_JobTitle, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Email2Address, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Spouse, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Email3Address, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Home2TelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeFaxNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_CarTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_AssistantName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_AssistantTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Children, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_WebPage, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Business2TelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Title, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_FirstName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_MiddleName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_LastName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_Suffix, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeAddressStreet, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeAddressCity, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeAddressState, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeAddressPostalCode, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_HomeAddressCountry, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OtherAddressStreet, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OtherAddressCity, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OtherAddressState, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OtherAddressPostalCode, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_OtherAddressCountry, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessAddressStreet, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessAddressCity, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessAddressState, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessAddressPostalCode, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_BusinessAddressCountry, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_RadioTelephoneNumber, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_YomiCompanyName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_YomiFirstName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", get_YomiLastName, BSTR*)
  POOM_NOT_IMPLEMENTED("IContact", put_Birthday, DATE)
  POOM_NOT_IMPLEMENTED("IContact", put_Anniversary, DATE)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessFaxNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_CompanyName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Department, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Email1Address, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_MobileTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OfficeLocation, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_PagerNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_JobTitle, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Email2Address, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Spouse, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Email3Address, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Home2TelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeFaxNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_CarTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_AssistantName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_AssistantTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Children, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_WebPage, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Business2TelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Title, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_FirstName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_MiddleName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_LastName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_Suffix, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeAddressStreet, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeAddressCity, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeAddressState, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeAddressPostalCode, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_HomeAddressCountry, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OtherAddressStreet, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OtherAddressCity, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OtherAddressState, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OtherAddressPostalCode, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_OtherAddressCountry, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessAddressStreet, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessAddressCity, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessAddressState, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessAddressPostalCode, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_BusinessAddressCountry, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_RadioTelephoneNumber, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_YomiCompanyName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_YomiFirstName, BSTR)
  POOM_NOT_IMPLEMENTED("IContact", put_YomiLastName, BSTR)
};
#pragma GCC diagnostic pop
