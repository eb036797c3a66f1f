// 64-bit FNV-1a: a small, stable, non-cryptographic hash. Pure, no Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nodemark {

constexpr std::uint64_t kFnvOffsetBasis = 0xCBF29CE484222325ULL;

std::uint64_t Fnv1a64(const void* data, std::size_t size, std::uint64_t basis = kFnvOffsetBasis);

// The identifier's text: two FNV-1a passes with different bases over `key`,
// as 32 upper-case hex digits.
std::string PeerIdFromKey(const std::string& key);

}  // namespace nodemark
