#include "fnv_hash.h"

namespace nodemark {

std::uint64_t Fnv1a64(const void* data, std::size_t size, std::uint64_t basis) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::uint64_t hash = basis;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

std::string PeerIdFromKey(const std::string& key) {
    static const char kHex[] = "0123456789ABCDEF";
    const std::uint64_t halves[2] = {
        Fnv1a64(key.data(), key.size()),
        // A second basis widens the identifier to 128 bits.
        Fnv1a64(key.data(), key.size(), Fnv1a64("nodemark", 8)),
    };
    std::string text;
    for (std::uint64_t half : halves) {
        for (int shift = 60; shift >= 0; shift -= 4) text += kHex[(half >> shift) & 0xF];
    }
    return text;
}

}  // namespace nodemark
