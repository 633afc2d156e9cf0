#include "ui/PictureFile.h"

#include <windows.h>

#include "base/Error.h"
#include "ui/Handles.h"

namespace {

[[noreturn]] void CannotOpen(const std::string& fileName) {
    throw Error(Format("Cannot open file %s", fileName));
}

KernelHandle OpenForReading(const std::string& fileName) {
    KernelHandle file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) CannotOpen(fileName);
    return file;
}

}  // namespace

std::vector<unsigned char> ReadPictureFile(const std::string& fileName) {
    const KernelHandle file = OpenForReading(fileName);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x40000000)
        CannotOpen(fileName);
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        CannotOpen(fileName);
    return bytes;
}

void CheckPictureFileOpens(const std::string& fileName) { OpenForReading(fileName); }
