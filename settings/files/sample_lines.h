#pragma once
// The sample lines of the Calendar and Tasks pages, laid out by the item painter.
#include <windows.h>

// Lays out and draws the Calendar page's sample appointment on a band DC that already
// holds the header band; width x height is the band.
void PaintSampleAppointment(HDC band, int width, int height);
// The Tasks page's sample task (text 1479) with these icon settings, the same way.
void PaintSampleTask(HDC band, int width, int height, DWORD leftIcon1, DWORD leftIcon2, DWORD rightIcons);
