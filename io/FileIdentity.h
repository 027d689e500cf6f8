#pragma once

#include <cstdint>

// One state of a file as a window last read or wrote it: where it lives (device and inode), its
// size, the time of its last change to the nanosecond and a hash of its bytes. Reading the same
// unchanged file twice gives equal identities; a file replaced, rewritten or touched by another
// program gives another one, even when a coarse clock or a same-sized rewrite hides the change
// from one of the parts.
struct FileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::uint64_t hash = 0;

    // The identity of the file at path now; one that does not exist, or cannot be looked at,
    // has `exists` false. Only a regular file's bytes are hashed, never a device's.
    static FileIdentity Of(const char* path);

    bool operator==(const FileIdentity& other) const;
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};
