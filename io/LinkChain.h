#pragma once

#include <string>

// Follows the chain of symbolic links that path starts, as the kernel checks each one, to the
// name at its end (path itself when it is no link, or names nothing). False, saying why in
// `reason`, for a chain longer than the kernel follows, a link that points nowhere, and a link
// that another user made in a sticky folder that everybody may write (unless that user owns the
// folder): the kernel would not follow that one either, and it may lead wherever its maker likes.
bool FollowLinks(const char* path, std::string& target, std::string& reason);
