#include "ui/FolderPaths.h"

#include <windows.h>

#include <vector>

#include "base/Error.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsRoot(const std::string& folder) {
    if (folder.size() == 1) return IsSeparator(folder[0]);
    return folder.size() == 3 && folder[1] == ':' && IsSeparator(folder[2]);
}

// The folder that holds this one, or empty when there is none to make.
std::string ParentOf(const std::string& folder) {
    const std::string trimmed = WithoutTrailingBackslash(folder);
    const size_t cut = trimmed.find_last_of("\\/");
    if (cut == std::string::npos) return {};
    return trimmed.substr(0, cut + 1);
}

}  // namespace

std::string WithTrailingBackslash(const std::string& folder) {
    if (!folder.empty() && folder.back() == '\\') return folder;
    return folder + '\\';
}

std::string WithoutTrailingBackslash(const std::string& folder) {
    std::string result = folder;
    while (result.size() > 1 && IsSeparator(result.back()) && !IsRoot(result)) result.pop_back();
    return result;
}

std::string FullPath(const std::string& path) {
    if (path.empty()) return path;
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> buffer(needed + 1, '\0');
    const DWORD written = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()),
                                           buffer.data(), nullptr);
    if (written == 0 || written >= buffer.size()) return path;
    return std::string(buffer.data(), written);
}

std::string CurrentFolder() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(needed + 1, '\0');
    const DWORD written = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return std::string(buffer.data(), written < buffer.size() ? written : 0);
}

bool FolderExists(const std::string& folder) {
    if (folder.empty()) return false;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateFolderPath(const std::string& folder) {
    if (FolderExists(folder)) return;
    const std::string target = WithoutTrailingBackslash(folder);
    if (target.empty() || IsRoot(WithTrailingBackslash(target)))
        throw Error("Unable to create directory");
    const std::string parent = ParentOf(target);
    if (!parent.empty() && !IsRoot(parent) && !FolderExists(parent)) CreateFolderPath(parent);
    if (!CreateDirectoryA(target.c_str(), nullptr) && !FolderExists(target))
        throw Error("Unable to create directory");
}
