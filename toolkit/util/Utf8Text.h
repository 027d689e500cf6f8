#pragma once

#include <cstddef>

// Texts held in buffers of a fixed number of bytes are cut on a character's boundary, so that
// text in UTF-8 never ends in half a character. Text that is not UTF-8 is cut at the limit.

// The length of the longest beginning of `text` that has at most `limit` bytes and does not end
// inside a character.
size_t Utf8Prefix(const char* text, size_t limit);

// Copies that beginning of `text` into `buffer` of `size` bytes, with its terminating zero; the
// text may lie in the buffer itself.
void CopyUtf8(char* buffer, size_t size, const char* text);
