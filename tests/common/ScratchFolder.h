#pragma once
// A fresh folder under the temp folder for one test, removed with all it
// holds at the end, and the files a folder holds.
#include <windows.h>

#include <string>
#include <vector>

namespace scratch {

// The names of the files (not folders) matching a pattern such as "C:\x\*".
inline std::vector<std::string> FilesMatching(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

inline void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

class ScratchFolder {
public:
    ScratchFolder() {
        static int count = 0;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        std::string base = temp;
        if (!base.empty() && base.back() == '\\') base.pop_back();
        path_ = base + "\\pelmora-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++count);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveFolder(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> Files() const { return FilesMatching(path_ + "\\*"); }

private:
    std::string path_;
};

}  // namespace scratch
