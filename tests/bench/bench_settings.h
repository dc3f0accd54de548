#pragma once
// Settings in the state a benchmark measures: every saved one away from its default.
#include "settings/store/settings_store.h"

// Gives every saved record a value other than its default; returns how many values that sets.
int SetEverySavedRecord(SettingsStore& store);
