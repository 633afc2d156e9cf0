#include "output/FileReplace.h"

#include <windows.h>

#include <cstdio>

#include "base/Error.h"
#include "ui/Handles.h"

namespace {

[[noreturn]] void FailToCreate(const std::string& path) {
    throw Error(Format("Cannot create file %s", path));
}

// The folder part of path, with its trailing separator, resolved against
// the current folder; GetFullPathNameA knows double-byte code pages, where
// a backslash byte can be the second half of a character.
std::string FolderOf(const std::string& path) {
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
    // No name part: the path names a folder, or it does not fit.
    if (length == 0 || length >= MAX_PATH || name == nullptr) FailToCreate(path);
    return std::string(full, name);
}

// A temporary file of our own in the target's folder, removed again unless
// Keep is called after it has been moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        const std::string folder = FolderOf(target);
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char name[40];
            std::snprintf(name, sizeof name, "~pelmora%lx_%x.tmp", GetCurrentProcessId(), ++counter);
            path_ = folder + name;
            handle_.Reset(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
            if (handle_ || GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (!handle_) FailToCreate(target);
        owned_ = true;
    }
    ~TemporaryFile() {
        handle_.Reset();
        if (owned_) DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Writes all bytes in one call and makes sure they are on the disk.
    bool WriteAll(const std::vector<unsigned char>& bytes) {
        DWORD written = 0;
        if (!bytes.empty() && (!WriteFile(handle_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                          &written, nullptr) ||
                               written != bytes.size()))
            return false;
        return FlushFileBuffers(handle_.Get()) != 0;
    }

    // Closes the file and moves it over target in one step. Windows refuses
    // to replace a read-only file, but not every implementation of the API
    // does (Wine replaces it): ask first, so a read-only target stays as it
    // is everywhere.
    bool MoveOver(const std::string& target) {
        handle_.Reset();
        const DWORD attributes = GetFileAttributesA(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
        if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        owned_ = false;
        return true;
    }

private:
    std::string path_;
    KernelHandle handle_;
    bool owned_ = false;
};

}  // namespace

void WriteFileReplacing(const std::string& path, const std::vector<unsigned char>& bytes) {
    TemporaryFile temporary(path);
    if (!temporary.WriteAll(bytes)) throw Error(Format("Cannot write file %s", path));
    if (!temporary.MoveOver(path)) FailToCreate(path);
}
