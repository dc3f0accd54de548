#pragma once
// The program's colour picker: a full-screen dialog with three views of one colour (RGB
// values, an HTML# box and a palette), a band showing the colour, and "Default".
#include <windows.h>

#include <cstdint>
#include <memory>

#include "settings/base/wide_string.h"

inline constexpr COLORREF kDefaultColour = 0xFFFFFFFF;    // "Default" was chosen
inline constexpr COLORREF kCancelledColour = 0xFFFFFFFE;  // the dialog was cancelled

// The views, in tab order.
inline constexpr int kRgbView = 0;
inline constexpr int kHtmlView = 1;
inline constexpr int kPaletteView = 2;

// Soft keys and menu commands of the picker.
inline constexpr int kColourSelectCommand = 1;
inline constexpr int kColourMenuCommand = 2;
inline constexpr int kColourCancelCommand = 1020;
inline constexpr int kColourDefaultCommand = 1021;
inline constexpr int kColourFirstViewCommand = 1022;  // + view
inline constexpr UINT kColourPickerMenuId = 1569;

struct ColourPickerRequest {
  HINSTANCE instance = nullptr;
  HMODULE resolutionLibrary = nullptr;
  UINT menuBarId = kColourPickerMenuId;
  UINT reserved = 158;
  DWORD flag = 1;  // full screen, with the navigation bar's OK acting as Select
  WideString title;
  WideString cancelText;
  WideString selectText;
  WideString redLabel;
  WideString greenLabel;
  WideString blueLabel;
  WideString rgbViewText;
  WideString paletteViewText;
  WideString defaultText;
  WideString rangeText;
  WideString rangeCaption;
  WideString bandLabel;
  std::int32_t initialView = kPaletteView;
  bool offerDefault = true;
  COLORREF colour = 0;  // in: the starting colour; out: the choice
};

// A request with the program's instance, the resolution library and the language texts
// (English defaults where the language library has none), the Picker view, Default offered.
std::unique_ptr<ColourPickerRequest> MakeColourPickerRequest(COLORREF initial);

// Runs the picker modally. True when it ended through Select; request.colour is then the
// choice (kDefaultColour for Default), otherwise kCancelledColour.
bool RunColourPicker(ColourPickerRequest& request);

// Runs the colour picker on `initial`: the chosen colour, kDefaultColour or kCancelledColour.
COLORREF ChooseColour(COLORREF initial);
