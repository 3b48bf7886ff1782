// Files that are replaced whole: a crash leaves the old content or the new, never half.
#pragma once
#include <string>

// Writes `content` to a temporary file beside `path`, flushes it to disk and renames it
// over `path`. False with a one-line reason in `error`; the old file is then untouched.
bool writeFileAtomically(const std::string& path, const std::string& content, std::string& error);
