#pragma once
// The shell's start-up and shut-down, in the order that the settings depend on: the image
// factory, scaling (several defaults are scaled sizes), every setting with the language
// library, the resolution library, the shell fonts, the categories and filters.
void StartShell();
// Frees what StartShell acquired, in reverse.
void StopShell();
