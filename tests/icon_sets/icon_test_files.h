#pragma once
// Picture files the icon set and painter tests write below a folder of their own: PNG
// (one stored deflate block), TGA and 24-bit BMP files of one colour.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The tests' root folder, ending in "\".
inline const std::wstring kTestRoot = L"\\IconSetTests\\";
void RemoveTree(const std::wstring& folder);
// Writes a file below the root, making its folders; returns its path.
std::wstring WriteTestFile(const std::wstring& relative, const Bytes& bytes);

Bytes SolidPng(int width, int height, COLORREF colour);
Bytes SolidTga(int width, int height, COLORREF colour);
// `colour` everywhere but `corner` in the top left pixel.
Bytes SolidBmp(int width, int height, COLORREF colour, COLORREF corner);
