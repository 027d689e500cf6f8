#pragma once

#include <cstddef>
#include <string>

// Every file the program reads for the user is read this way, so that no reading ever waits or
// grows without end: the name is opened without waiting (a named pipe would wait for a writer),
// anything but a regular file is refused (a device may never end, a folder holds nothing), so is
// a file larger than its kind may be, before a byte is read, and so is a link that another user
// planted in a sticky folder, as the safe save refuses it.
namespace BoundedFile {

// Drawings, scenes and pictures to import or trace.
constexpr size_t DocumentLimit = size_t{64} << 20;
// The settings and options files and a drawing's background sidecar.
constexpr size_t SmallLimit = size_t{1} << 20;
// Pictures the program had made for itself in a folder of its own: the largest it draws.
constexpr size_t OutputLimit = size_t{1} << 30;

// "" when the file may be read; otherwise why not, in words for the user.
std::string Refusal(const char* path, size_t limit);
// Appends the file's bytes; false, with the reason, when it is refused or a read fails.
bool Read(const char* path, size_t limit, std::string& bytes, std::string& reason);

}  // namespace BoundedFile
