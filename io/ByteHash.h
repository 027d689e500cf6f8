#pragma once

#include <cstddef>
#include <cstdint>

// FNV-1a, 64 bits: enough to tell a file's bytes from another version of them (a rewrite with
// the same size and time, a torn mix of old and new). Fed piece by piece, it gives what one
// call over the whole would.
namespace ByteHash {

constexpr std::uint64_t Start = 14695981039346656037ULL;

inline std::uint64_t Add(std::uint64_t hash, const void* data, std::size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace ByteHash
