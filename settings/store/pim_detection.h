#pragma once
// Which PIM programs are installed. Only the value counts, not the key: loading the
// settings creates the Pocket Informant and Agenda Fusion keys when they are absent.

bool DetectOwnCalendar();      // HKCU\SOFTWARE\Tessaly Calendar, "ExecutablePath"
bool DetectPocketInformant();  // HKCU\Software\WebIS\PocketInformant, "version"
bool DetectAgendaFusion();     // HKLM\SOFTWARE\Developer One, Inc.\Agenda Fusion, "VerMajor"
bool DetectAgendaOne();        // HKCU\SOFTWARE\Developer One\Agenda One, "InstallPath"
