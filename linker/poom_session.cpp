#include "linker/poom_session.h"

bool PoomSession::Open(HWND window) {
  Close();
  if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return false;
  comStarted_ = true;
  ComPtr<IPOutlookApp2> application;
  if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp2,
                              application.PutVoid())) ||
      FAILED(application->Logon(reinterpret_cast<LONG_PTR>(window)))) {
    application.Reset();
    Close();
    return false;
  }
  application_ = std::move(application);
  return true;
}

void PoomSession::Close() {
  if (application_) {
    application_->Logoff();
    application_.Reset();
  }
  if (comStarted_) CoUninitialize();
  comStarted_ = false;
}

ComPtr<IDispatch> PoomSession::ItemFromOid(CEOID oid) const {
  ComPtr<IDispatch> item;
  if (application_ && FAILED(application_->GetItemFromOid(static_cast<long>(oid), item.Put()))) item.Reset();
  return item;
}

bool PoomSession::TakeText(HRESULT result, BSTR text, std::wstring& out) const {
  out.clear();
  if (SUCCEEDED(result) && text) out = text;
  if (text && application_) application_->SysFreeString(text);
  return SUCCEEDED(result) && text && !out.empty();
}
