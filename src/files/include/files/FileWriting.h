#pragma once

// Replacing the content of a file the user chose, for File→Save and every
// export. The new bytes go into a temporary file beside the target and only a
// complete, flushed copy is moved over it, so a full disk or any other failure
// leaves the old file as it was. The temporary file has no name until it is
// complete (O_TMPFILE) where the file system allows, so even a writer killed
// mid-way leaves nothing behind; elsewhere it is a short hidden name. Reasons are plain English
// whatever the process locale, because they end up in a message box and in golden outputs that must
// not vary.

#include <optional>
#include <string>

namespace rsa {

// Makes `bytes` the whole content of the file at `path`; std::nullopt on
// success, else why not ("No space left on device", "Permission denied",
// "Not a regular file", "Filename refers to a directory", ...).
//
// A symbolic link is followed and stays a link; the file it names is replaced,
// and created if the link dangles, just as writing through the link in a shell
// would do. Only regular files are ever replaced: a directory, FIFO or device
// is reported and not touched, not even opened. An existing file without the
// owner's write permission is refused even for root, since the user marked it
// so. The replacement keeps the permissions (and, when allowed, the owner) of
// the file it replaces; a new file gets 0666 less the umask.
std::optional<std::string> replaceFileContent(const std::string& path, const std::string& bytes);

} // namespace rsa
