#pragma once
// Puts the device's registry into a known state before a test touches it.
#include <windows.h>

// Deletes a key and everything below it; a missing key is fine.
void DeleteKeyTree(HKEY root, const wchar_t* path);
// Removes every key the product and the PIM programs it reads may have written.
void ResetProductRegistry();
