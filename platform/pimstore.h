#pragma once
// The Pocket Outlook object model (pimstore.h of the Windows Mobile 6 SDK) as far as the
// product and the device's stand-in use it: the application, appointments with their
// recurrence, tasks, contacts, folders, item collections and the generic item. Method order
// follows the published declarations, so the vtables match; the emulated device's
// implementation is the CePoom.dll COM server.
//
// One change for 64-bit builds: Logon takes its window as LONG_PTR where the 32-bit SDK
// says long, which is the same size there.
#include <windows.h>
#include <oaidl.h>

#include "platform/windbase.h"

// {05058F23-20BE-11D2-8F18-0000F87A4335}
inline constexpr GUID CLSID_Application = {0x05058f23, 0x20be, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {05058F22-20BE-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IPOutlookApp = {0x05058f22, 0x20be, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {AF7D0DC7-3D35-424B-AA60-27A38B8B629E}
inline constexpr GUID IID_IPOutlookApp2 = {0xaf7d0dc7, 0x3d35, 0x424b, {0xaa, 0x60, 0x27, 0xa3, 0x8b, 0x8b, 0x62, 0x9e}};
// {FB8998D0-38F0-4D12-AC56-4EC8FCE9F3D5}
inline constexpr GUID IID_IItem = {0xfb8998d0, 0x38f0, 0x4d12, {0xac, 0x56, 0x4e, 0xc8, 0xfc, 0xe9, 0xf3, 0xd5}};
// {5B43F691-202C-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IAppointment = {0x5b43f691, 0x202c, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {38F47300-270F-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IRecurrencePattern = {0x38f47300, 0x270f, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {37C78CE0-202C-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_ITask = {0x37c78ce0, 0x202c, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {7F804E40-2010-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IContact = {0x7f804e40, 0x2010, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {05058F20-20BE-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IFolder = {0x05058f20, 0x20be, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};
// {F06748C0-21A5-11D2-8F18-0000F87A4335}
inline constexpr GUID IID_IPOutlookItemCollection = {0xf06748c0, 0x21a5, 0x11d2, {0x8f, 0x18, 0x00, 0x00, 0xf8, 0x7a, 0x43, 0x35}};

enum OlItemType { olAppointmentItem = 1, olContactItem = 2, olTaskItem = 3, olCityItem = 102 };
enum OlDefaultFolders { olFolderCalendar = 9, olFolderContacts = 10, olFolderTasks = 13, olFolderCities = 101, olFolderInfrared = 102 };
enum OlRecurrenceType {
  olRecursOnce = -1,
  olRecursDaily = 0,
  olRecursWeekly = 1,
  olRecursMonthly = 2,
  olRecursMonthNth = 3,
  olRecursYearly = 5,
  olRecursYearNth = 6
};

// A date that is not set (1 January 4501).
#define DATE_NONE 949998.0

// Item properties (IItem::GetProps, and the records of the PIM volume): the id in the high
// word, the CEVT_* type in the low word.
#define PIM_PROP_TAG(type, id) ((static_cast<CEPROPID>(id) << 16) | static_cast<CEPROPID>(type))
inline constexpr CEPROPID PIMPR_CATEGORIES = PIM_PROP_TAG(CEVT_LPWSTR, 0x101D);
inline constexpr CEPROPID PIMPR_BODY_TEXT = PIM_PROP_TAG(CEVT_LPWSTR, 0x101F);
inline constexpr CEPROPID PIMPR_SUBJECT = PIM_PROP_TAG(CEVT_LPWSTR, 0x0020);
inline constexpr CEPROPID PIMPR_IS_RECURRING = PIM_PROP_TAG(CEVT_BOOL, 0x0022);
inline constexpr CEPROPID PIMPR_REMINDER_SET = PIM_PROP_TAG(CEVT_BOOL, 0x0028);
inline constexpr CEPROPID PIMPR_RECURRING_TYPE = PIM_PROP_TAG(CEVT_UI4, 0x1030);
inline constexpr CEPROPID PIMPR_RECURRING_OCCURRENCES = PIM_PROP_TAG(CEVT_UI4, 0x1036);
inline constexpr CEPROPID PIMPR_RECURRING_INTERVAL = PIM_PROP_TAG(CEVT_UI4, 0x1037);
inline constexpr CEPROPID PIMPR_START = PIM_PROP_TAG(CEVT_FILETIME, 0x1042);
inline constexpr CEPROPID PIMPR_END = PIM_PROP_TAG(CEVT_FILETIME, 0x1043);
inline constexpr CEPROPID PIMPR_REMINDER_MINUTES_BEFORE_START = PIM_PROP_TAG(CEVT_UI4, 0x0046);
inline constexpr CEPROPID PIMPR_START_DATE = PIM_PROP_TAG(CEVT_FILETIME, 0x0062);
inline constexpr CEPROPID PIMPR_DUE_DATE = PIM_PROP_TAG(CEVT_FILETIME, 0x0063);
inline constexpr CEPROPID PIMPR_REMINDER_TIME = PIM_PROP_TAG(CEVT_FILETIME, 0x1066);
inline constexpr CEPROPID PIMPR_FILEAS = PIM_PROP_TAG(CEVT_LPWSTR, 0x0080);

struct IPOutlookApp;
struct IAppointment;
struct IItem;
struct ICity;
struct ITimeZone;
struct IRecipients;
struct IExceptions;

// COM objects are released, never deleted through these pointers: like the SDK's own
// interface declarations they have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

struct IRecurrencePattern : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_RecurrenceType(long* plRecType) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PatternStartDate(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_StartTime(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EndTime(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PatternEndDate(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_NoEndDate(VARIANT_BOOL* pfNoEndDate) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Occurrences(long* plOccurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Interval(long* plInterval) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DayOfWeekMask(long* plMask) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DayOfMonth(long* plDay) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Instance(long* plInstance) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Duration(long* plDuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MonthOfYear(long* plMask) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RecurrenceType(long lRecType) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_PatternStartDate(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_StartTime(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_EndTime(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_PatternEndDate(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_NoEndDate(VARIANT_BOOL fNoEndDate) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Occurrences(long lOccurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Interval(long lInterval) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DayOfWeekMask(long lMask) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DayOfMonth(long lDay) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Instance(long lInstance) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Duration(long lDuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MonthOfYear(long lMask) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Exceptions(IExceptions** ppExceptions) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetOccurrence(DATE date, IAppointment** ppAppt) = 0;
};

struct IPOutlookItemCollection : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Add(IDispatch** ppolItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Count(int* pnCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE Find(BSTR pwszRestriction, IDispatch** ppItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindNext(IDispatch** ppItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE Item(int iIndex, IDispatch** ppolItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE Remove(int iIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE Restrict(BSTR pwszRestriction, IPOutlookItemCollection** ppolItems) = 0;
  virtual HRESULT STDMETHODCALLTYPE Sort(BSTR pwszProperty, VARIANT_BOOL fDescending) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IncludeRecurrences(VARIANT_BOOL* pfIncludeRecurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IncludeRecurrences(VARIANT_BOOL fIncludeRecurrences) = 0;
  virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** ppEnumerator) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

struct IContact : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Birthday(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Anniversary(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessFaxNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CompanyName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Department(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email1Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MobileTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OfficeLocation(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PagerNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_JobTitle(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email2Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Spouse(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Email3Address(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Home2TelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeFaxNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CarTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AssistantName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AssistantTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Children(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_WebPage(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Business2TelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Title(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FirstName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MiddleName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_LastName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Suffix(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OtherAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressStreet(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressCity(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressState(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressPostalCode(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusinessAddressCountry(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RadioTelephoneNumber(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FileAs(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiCompanyName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiFirstName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_YomiLastName(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Birthday(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Anniversary(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessFaxNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CompanyName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Department(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email1Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MobileTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OfficeLocation(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_PagerNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_JobTitle(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email2Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Spouse(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Email3Address(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Home2TelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeFaxNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CarTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AssistantName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AssistantTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Children(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_WebPage(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Business2TelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Title(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FirstName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MiddleName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_LastName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Suffix(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_OtherAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressStreet(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressCity(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressState(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressPostalCode(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusinessAddressCountry(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_RadioTelephoneNumber(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_FileAs(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiCompanyName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiFirstName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_YomiLastName(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE Copy(IContact** ppolCopy) = 0;
  virtual HRESULT STDMETHODCALLTYPE Display() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Oid(long* poid) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

struct ITask : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** ppRecPattern) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* pfIsRecurring) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Subject(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_StartDate(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DueDate(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DateCompleted(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Importance(long* pdwPriority) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Complete(VARIANT_BOOL* pfCompleted) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Sensitivity(long* plSensitivity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_TeamTask(VARIANT_BOOL* pfTeamTask) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* pfReminderSet) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderTime(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* pdwOptions) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Subject(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_StartDate(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DueDate(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Importance(long dwPriority) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Complete(VARIANT_BOOL fCompleted) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Sensitivity(long lSensitivity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_TeamTask(VARIANT_BOOL fTeamTask) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL fReminderSet) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderTime(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderOptions(long dwOptions) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE SkipRecurrence() = 0;
  virtual HRESULT STDMETHODCALLTYPE Copy(ITask** ppolCopy) = 0;
  virtual HRESULT STDMETHODCALLTYPE Display() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Oid(long* poid) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

struct IAppointment : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** ppRecPattern) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* pfIsRecurring) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Subject(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Location(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Start(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Duration(long* pnLen) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_End(DATE* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AllDayEvent(VARIANT_BOOL* pfAllDay) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BusyStatus(long* pnState) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Sensitivity(long* plSensitivity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Recipients(IRecipients** pRecipients) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_MeetingStatus(long* pnStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* pfReminderSet) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* ppwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderMinutesBeforeStart(long* plMinutes) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* pdwOptions) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Subject(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Location(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Start(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Duration(long nLen) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_End(DATE st) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AllDayEvent(VARIANT_BOOL fAllDay) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BusyStatus(long nState) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Sensitivity(long lSensitivity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL fReminderSet) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR pwsz) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderMinutesBeforeStart(long lMinutes) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ReminderOptions(long dwOptions) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;
  virtual HRESULT STDMETHODCALLTYPE Send() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE Cancel() = 0;
  virtual HRESULT STDMETHODCALLTYPE Copy(IAppointment** ppolCopy) = 0;
  virtual HRESULT STDMETHODCALLTYPE Display() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Oid(long* poid) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BodyInk(CEBLOB* pcebl) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
};

struct IFolder : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** ppolItems) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* polItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddItemToInfraredFolder(int olItem, IDispatch* polItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE SendToInfrared() = 0;
  virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared(IPOutlookItemCollection** ppItems) = 0;
};

struct IPOutlookApp : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Logon(LONG_PTR hWnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE Logoff() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* pVersion) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDefaultFolder(int olFolder, IFolder** ppIFolder) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateItem(int olItem, IDispatch** ppPOutlookItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** ppPOutlookItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HomeCity(ICity** ppHomeCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_HomeCity(ICity* pHomeCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_VisitingCity(ICity** ppVisitingCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_VisitingCity(ICity* pVisitingCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentCityIndex(long* pnolCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_CurrentCityIndex(long olCity) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_OutlookCompatible(VARIANT_BOOL* pfCompat) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTimeZoneFromIndex(int cTimezone, ITimeZone** ppTz) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTimeZoneInformationFromIndex(int cTimezone, TIME_ZONE_INFORMATION* ptzInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  virtual HRESULT STDMETHODCALLTYPE SysFreeString(BSTR bstr) = 0;
  virtual HRESULT STDMETHODCALLTYPE VariantTimeToSystemTime(DATE date, SYSTEMTIME* pst) = 0;
  virtual HRESULT STDMETHODCALLTYPE SystemTimeToVariantTime(SYSTEMTIME* pst, DATE* pdate) = 0;
};

struct IPOutlookApp2 : public IPOutlookApp {
  virtual HRESULT STDMETHODCALLTYPE GetIDsFromNames(ULONG cPropNames, const LPCWSTR* rgszPropNames, ULONG ulFlags,
                                                    CEPROPID* rgPropIDs) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemFromOidEx(ULONG oidPIM, ULONG ulFlags, IItem** ppItem) = 0;
};

struct IItem : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetProps(const CEPROPID* rgPropID, ULONG ulFlags, WORD cProps, CEPROPVAL** prgVals,
                                             ULONG* pcbBuffer, HANDLE hHeap) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetProps(ULONG ulFlags, WORD cProps, CEPROPVAL* rgVals) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE Display(HWND hwndParent) = 0;
  virtual HRESULT STDMETHODCALLTYPE Edit(HWND hwndParent) = 0;
  virtual HRESULT STDMETHODCALLTYPE Copy(IItem** ppolCopy) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Oid(long* poid) = 0;
  virtual HRESULT STDMETHODCALLTYPE OpenProperty(CEPROPID propID, DWORD dwMode, IStream** ppStream) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* polItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** polApp) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Parent(IFolder** ppIFolder) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddCategory(LPCWSTR pszwCategory) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveCategory(LPCWSTR pszwCategory) = 0;
};

#pragma GCC diagnostic pop
