#pragma once
// Writing a whole file so that the target is always either the old file or
// the complete new one, never a partial one.
#include <string>
#include <vector>

// Writes bytes (none gives a zero-byte file) to a new temporary file in the
// target's folder, flushes it to disk and then moves it over path in one
// step. path is an 8-bit system code page path, used as given (no
// extension is added). On any failure the temporary file is removed and the
// old target is left as it was:
// - "Cannot create file <path>" when the temporary file cannot be made
//   (folder missing, invalid name, no access) or the target cannot be
//   replaced (read-only, open elsewhere without sharing, a folder);
// - "Cannot write file <path>" when writing or flushing fails (disk full).
void WriteFileReplacing(const std::string& path, const std::vector<unsigned char>& bytes);
