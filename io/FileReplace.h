#pragma once

#include <string>

// Puts the bytes into the file at path so that the file either keeps its old content or holds
// all of the new bytes. Returns true once the file holds them; false leaves an existing file as
// it was and no temporary file behind, and says why in `reason` when one is given.
//
// The bytes go to a temporary file with a short name in the target's folder, private to the process
// from its creation, which is renamed over the target after every write, the flush to disk and the
// close have succeeded, and the folder is then synced so that the new name is durable; temporary
// files that killed saves of this user left in the folder go first. Just before the rename it gets
// the old file's permissions, and its owner and group where the process may give them (a new file:
// 0666 less the umask). A target that the rename would cut off from its other names (more than one
// hard link), or whose folder takes no new file, is rewritten in place instead, under an exclusive
// lock, with room for the new bytes reserved first and the old bytes put back if writing fails; the
// new bytes are first kept in a journal in the recovery folder (RewriteJournal), so that a rewrite
// cut short by the process's death is told when the file is next read. A save that finds the file
// locked by another fails at once. A symbolic link keeps pointing at the file it names. Refused: an
// empty name or a folder name, a name taken by something other than a regular file, a file that is
// write-protected, a symbolic link that points nowhere, and one that another user made in a sticky
// folder that everybody may write (unless that user owns the folder), which the kernel would not
// follow either.
bool ReplaceFileContents(const char* path, const std::string& bytes, std::string* reason = nullptr);
