#pragma once
// The CE property database calls, declared with the CE names, types and values, as far as
// the product and the device's Pocket Outlook stand-in use them. On the device they are
// coredll's; here they read and write the PIM volume file (pim_volume.h).
#include <windows.h>

typedef DWORD CEOID;
typedef CEOID* PCEOID;
typedef DWORD CEPROPID;
typedef CEPROPID* PCEPROPID;

typedef struct _CEGUID {
  DWORD Data1;
  DWORD Data2;
  DWORD Data3;
  DWORD Data4;
} CEGUID, *PCEGUID;

#define TypeFromPropID(propid) LOWORD(propid)

#define CEVT_I2 2
#define CEVT_UI2 18
#define CEVT_I4 3
#define CEVT_UI4 19
#define CEVT_FILETIME 64
#define CEVT_LPWSTR 31
#define CEVT_BLOB 65
#define CEVT_BOOL 11
#define CEVT_R8 5
#define CEVT_STREAM 100
#define CEVT_RECID 101
#define CEVT_AUTO_I4 102
#define CEVT_AUTO_I8 103

typedef struct _CEBLOB {
  DWORD dwCount;
  LPBYTE lpb;
} CEBLOB, *PCEBLOB;

typedef union _CEVALUNION {
  short iVal;
  USHORT uiVal;
  long lVal;
  ULONG ulVal;
  FILETIME filetime;
  LPWSTR lpwstr;
  CEBLOB blob;
  BOOL boolVal;
  double dblVal;
} CEVALUNION, *PCEVALUNION;

#define CEDB_PROPNOTFOUND 0x0100
#define CEDB_PROPDELETE 0x0200

typedef struct _CEPROPVAL {
  CEPROPID propid;
  WORD wLenData;
  WORD wFlags;
  CEVALUNION val;
} CEPROPVAL, *PCEPROPVAL;

#define CEDB_MAXSORTPROP 3
#define SORTORDERSPECEX_VERSION 1
typedef struct _SORTORDERSPECEX {
  WORD wVersion;
  WORD wNumProps;
  WORD wKeyFlags;
  WORD wReserved;
  CEPROPID rgPropID[CEDB_MAXSORTPROP];
  DWORD rgdwFlags[CEDB_MAXSORTPROP];
} SORTORDERSPECEX, *PSORTORDERSPECEX;

typedef struct _CENOTIFYREQUEST {
  DWORD dwSize;
  HWND hwnd;
  DWORD dwFlags;
  HANDLE hHeap;
  DWORD dwParam;
} CENOTIFYREQUEST, *PCENOTIFYREQUEST;

typedef struct _CEVOLUMEOPTIONS {
  WORD wVersion;
  DWORD cbBufferPool;
  DWORD dwAutoShrinkPercent;
  DWORD dwFlushInterval;
  DWORD cMaxSize;
  DWORD dwDefaultTimeout;
  DWORD dwPageSize;
  DWORD dwFlags;
} CEVOLUMEOPTIONS, *PCEVOLUMEOPTIONS;

// CeOpenDatabaseInSession flags.
#define CEDB_AUTOINCREMENT 0x00000001

// CeSeekDatabaseEx seek types.
#define CEDB_SEEK_CEOID 0x00000001
#define CEDB_SEEK_BEGINNING 0x00000002
#define CEDB_SEEK_END 0x00000004
#define CEDB_SEEK_CURRENT 0x00000008

// CeReadRecordPropsEx flags.
#define CEDB_ALLOWREALLOC 0x00000001

#define CREATE_SYSTEMGUID(pguid) (memset((pguid), 0, sizeof(CEGUID)))
#define CREATE_INVALIDGUID(pguid) (memset((pguid), -1, sizeof(CEGUID)))

// Mounts a volume file; dwFlags is a creation disposition (OPEN_EXISTING, OPEN_ALWAYS,
// CREATE_NEW). The GUID names the mount until CeUnmountDBVol.
BOOL CeMountDBVolEx(PCEGUID pguid, LPWSTR lpszVol, CEVOLUMEOPTIONS* pOptions, DWORD dwFlags);
BOOL CeUnmountDBVol(PCEGUID pguid);
// Opens a database of a mounted volume by name (when *poid is 0; *poid receives its
// identifier) or by identifier. INVALID_HANDLE_VALUE on failure. The handle is closed
// with CloseHandle.
HANDLE CeOpenDatabaseInSession(HANDLE hSession, PCEGUID pguid, PCEOID poid, LPWSTR lpszName, SORTORDERSPECEX* pSort,
                               DWORD dwFlags, CENOTIFYREQUEST* pRequest);
// Moves the current record; returns its identifier, or 0 when there is none.
CEOID CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD dwValue, WORD wNumVals, LPDWORD lpdwIndex);
// Reads the listed properties of the current record into one buffer of CEPROPVAL entries
// followed by their texts and blobs (allocated or grown with LocalAlloc when
// CEDB_ALLOWREALLOC is given; the caller frees it with LocalFree). A property the record
// lacks comes back with CEDB_PROPNOTFOUND. With CEDB_AUTOINCREMENT the database moves on to
// the next record. Returns the record's identifier, or 0 at the end or on failure.
CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, LPWORD lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                          LPDWORD lpcbBuffer, HANDLE hHeap);

#ifndef _WIN32_WCE
// CloseHandle as the CE kernel has it: it also closes database handles.
BOOL WINAPI CeStandInCloseHandle(HANDLE handle);
#define CloseHandle CeStandInCloseHandle
#endif
