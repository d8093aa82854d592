// Writing a file's whole new content, or nothing at all, in place of what
// its name points to.
#pragma once

#include <filesystem>
#include <string_view>

namespace glavo {

// Makes `bytes` the content of the file `path`, whole or not at all.
// A symbolic link is written through (the link stays, its target changes);
// an existing file keeps its permissions (on Windows its ACLs and
// attributes); a read-only file, a folder or any other non-regular file is
// refused. The new content is written to a sibling that then replaces the
// target; in a folder that takes no new file, an existing writable file is
// rewritten in place and restored if that fails. Returns false, with the old
// content kept, when the content could not be written.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// The in-place fallback on its own: rewrites an existing regular file and
// puts the old content back when any step fails.
bool RewriteInPlace(const std::filesystem::path& path, std::string_view bytes);

}  // namespace glavo
