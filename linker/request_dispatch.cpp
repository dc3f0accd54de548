#include "linker/request_dispatch.h"

#include <cmath>

#include "linker/pi_operations.h"
#include "linker/poom_operations.h"

namespace {

struct RequestContext {
  const LinkerRequest& request;
  HWND window;
  const PoomSession& session;
};

using Operation = void (*)(const RequestContext& context);

struct DispatchRow {
  LONG command;
  LONG target;
  LONG kind;
  Operation run;
};

NewItemFields NewFields(const LinkerRequest& request) {
  NewItemFields fields;
  fields.start = request.newStart;
  fields.end = request.newEnd;
  if (request.kind == kTask) {
    fields.start = TruncateToDay(fields.start);
    fields.end = TruncateToDay(fields.end);
  }
  fields.reminder = request.newReminder;
  fields.categories = RequestText(request.categories);
  fields.extraText = RequestText(request.extraText);
  return fields;
}

void CreateHere(const RequestContext& c) {
  CreatePoomItem(c.session, c.window, static_cast<ItemKind>(c.request.kind), NewFields(c.request), true);
}

void CreateForPi(const RequestContext& c) {
  CreateAndEditInPi(c.session, c.window, static_cast<ItemKind>(c.request.kind), NewFields(c.request));
}

void EditInPiByKind(const RequestContext& c) {
  EditInPi(static_cast<ItemKind>(c.request.kind), c.request.editOid, c.request.editDate);
}

void HandOver(const RequestContext& c) {
  HandOverToPi(c.session, static_cast<ItemKind>(c.request.kind), c.request.handOverOid, c.request.handOverDate);
}

constexpr LONG kPoom = kTargetPocketOutlook, kPi = kTargetPocketInformant;

constexpr DispatchRow kDispatchTable[] = {
    {kOpenItem, kPoom, kAppointment,
     [](const RequestContext& c) { OpenAppointmentInPoom(c.session, c.window, c.request.openOid, c.request.openDate); }},
    {kOpenItem, kPoom, kTask, [](const RequestContext& c) { OpenTaskInPoom(c.session, c.request.openOid); }},
    {kOpenItem, kPoom, kContact, [](const RequestContext& c) { OpenContactInPoom(c.session, c.request.openOid); }},
    {kOpenItem, kPi, kAppointment,
     [](const RequestContext& c) {
       OpenAppointmentInPi(c.request.openOid, c.request.openDate, c.request.piViewFlag != 0);
     }},
    {kOpenItem, kPi, kTask,
     [](const RequestContext& c) { OpenTaskInPi(c.request.openOid, c.request.piViewFlag != 0); }},
    {kOpenItem, kPi, kContact, [](const RequestContext& c) { OpenContactInPi(c.request.openOid); }},
    {kOpenItem, kPi, kNote,
     [](const RequestContext& c) { OpenNoteInPi(c.window, RequestText(c.request.notePath)); }},
    {kEditItem, kPoom, kAppointment,
     [](const RequestContext& c) { EditAppointmentInPoom(c.session, c.window, c.request.editOid, c.request.editDate); }},
    {kEditItem, kPoom, kTask, [](const RequestContext& c) { EditItemInPoom(c.session, c.window, c.request.editOid); }},
    {kEditItem, kPoom, kContact,
     [](const RequestContext& c) { EditItemInPoom(c.session, c.window, c.request.editOid); }},
    {kEditItem, kPi, kAppointment, EditInPiByKind},
    {kEditItem, kPi, kTask, EditInPiByKind},
    {kEditItem, kPi, kContact, EditInPiByKind},
    {kNewItem, kPoom, kAppointment, CreateHere},
    {kNewItem, kPoom, kTask, CreateHere},
    {kNewItem, kPoom, kContact, CreateHere},
    {kNewItem, kPi, kAppointment, CreateForPi},
    {kNewItem, kPi, kTask, CreateForPi},
    {kNewItem, kPi, kContact, CreateForPi},
    {kNewItem, kPi, kNote, [](const RequestContext& c) { NewAlarmNoteInPi(c.window); }},
    {kHandOverItem, kPi, kAppointment, HandOver},
    {kHandOverItem, kPi, kTask, HandOver},
};

}  // namespace

// Whole days as the device's 32-bit conversion gives them, without its undefined behaviour
// for values beyond 32 bits.
DATE TruncateToDay(DATE date) { return std::trunc(date); }

void DispatchRequest(const LinkerRequest& request, HWND window, const PoomSession& session) {
  for (const DispatchRow& row : kDispatchTable) {
    if (row.command == request.command && row.target == request.target && row.kind == request.kind) {
      row.run(RequestContext{request, window, session});
      return;
    }
  }
}
