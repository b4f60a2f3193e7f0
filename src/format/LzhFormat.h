#pragma once

// Internal constants and helpers shared by the -lh5- encoder and decoder.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tw::lzh
{

inline constexpr int kWindowBits = 13;
inline constexpr int kWindow = 1 << kWindowBits; // 8192
inline constexpr int kMaxMatch = 256;
inline constexpr int kMinMatch = 3;
inline constexpr int kNC = 256 + kMaxMatch - kMinMatch + 1; // 510
inline constexpr int kNP = kWindowBits + 1;                 // 14
inline constexpr int kNT = 19;
inline constexpr int kCBits = 9;
inline constexpr int kPBits = 4;
inline constexpr int kTBits = 5;
inline constexpr int kMaxCodeLen = 16;
inline constexpr int kBlockBuffer = 16384;
inline constexpr int kBlockClose = kBlockBuffer - 24;
inline constexpr int kHeaderSize = 4;
inline constexpr std::size_t kPiece = 8192;

// Receives output in pieces; may throw.
using Sink = std::function<void(const std::uint8_t *data, std::size_t size)>;

// Appends the header and the bit stream for `size` bytes at `data` to `out`.
void encode(const std::uint8_t *data, std::size_t size, std::vector<std::uint8_t> &out);

// Expands a header and bit stream, handing the output to `sink` in pieces of at most
// kPiece bytes. Throws TError (Format).
void decode(const std::uint8_t *data, std::size_t size, const Sink &sink);

// Code lengths to canonical codes: for each length the codes follow all shorter ones,
// in increasing symbol order.
void canonicalCodes(int nsym, const std::uint8_t *len, std::uint16_t *code);

} // namespace tw::lzh
