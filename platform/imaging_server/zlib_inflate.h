#pragma once
// The zlib stream format (a two-byte header and deflate blocks) decompressed into a buffer of
// known size, as image data is: the caller knows how many bytes the picture needs.
#include <cstddef>
#include <cstdint>

// Fills out[0..outSize) from the zlib stream in data[0..size). True when all outSize bytes
// came out; bytes the stream holds beyond them are not looked at. Malformed or short input
// gives false, and nothing is ever read or written outside the two buffers.
bool ZlibInflate(const std::uint8_t* data, std::size_t size, std::uint8_t* out, std::size_t outSize);
