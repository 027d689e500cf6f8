#pragma once

#include <string>

// Whole reads and writes on an open file, from its first byte, retried when a signal cuts them
// short. False, with errno telling why, when one fails.
bool WriteAllAt(int fd, const std::string& bytes);
bool ReadAll(int fd, std::string& bytes);

// Makes the folder's entries durable: a file renamed or made in it survives a crash of the
// machine only once its folder is synced too. File systems that cannot sync a folder count as
// done.
bool SyncFolder(const std::string& folder);
