#pragma once

#include <sys/stat.h>

#include <string>

// The new bytes of a file that is rewritten in place, kept whole and synced in the recovery
// folder before the file's own bytes are touched, and removed once the rewrite is over. A
// rewrite that is cut short (the process killed, the machine stopped) leaves the journal behind,
// and the next reading of the file learns from it that the file may be torn and where its new
// bytes are. The journal's name tells the file (its device and inode) and the old bytes (their
// length and a hash), so that a reader can tell a file that still holds them, or already holds
// the new ones, from a torn one.
class RewriteJournal {
public:
    RewriteJournal() = default;
    RewriteJournal(const RewriteJournal&) = delete;
    RewriteJournal& operator=(const RewriteJournal&) = delete;

    // Writes and syncs the journal of the target, whose old bytes and identity are given. False,
    // with errno telling why, when it cannot be kept.
    bool Keep(const std::string& target, const struct stat& identity, const std::string& oldBytes,
              const std::string& newBytes);
    // The rewrite is done, or undone: the file is whole again, and every journal of it goes.
    void Drop();
    // The file was replaced whole, or is whole again: no journal of it is left over, lest a
    // later file given the same inode be taken for it.
    static void ForgetFile(const struct stat& identity);
    const std::string& Path() const { return _path; }

    // The journal that an interrupted rewrite of the file at path left, when the file holds
    // neither its old bytes nor its new ones; "" otherwise. A journal whose file is whole is
    // removed. A file that another program is saving at this moment is not judged.
    static std::string LeftFor(const char* path);

private:
    std::string _path;
    struct stat _identity = {};
};
