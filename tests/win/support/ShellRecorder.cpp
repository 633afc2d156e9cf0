#include "support/ShellRecorder.h"

#include <shellapi.h>

namespace {

ShellCall lastCall;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR folder, INT show) {
    ++lastCall.count;
    lastCall.owner = owner;
    lastCall.verb = verb ? verb : "(null)";
    lastCall.file = file ? file : "(null)";
    lastCall.parameters = parameters != nullptr;
    lastCall.folder = folder != nullptr;
    lastCall.show = show;
    return reinterpret_cast<HINSTANCE>(SE_ERR_FNF);  // a failure, which goes unreported
}

// The import table slot through which this program calls dll!function.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    void* real = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), function));
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll)) continue;
        for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t)
            if (reinterpret_cast<void*>(t->u1.Function) == real)
                return reinterpret_cast<void**>(&t->u1.Function);
    }
    return nullptr;
}

}  // namespace

ShellRecorder::ShellRecorder() : slot_(ImportSlot("shell32.dll", "ShellExecuteA")) {
    Clear();
    if (slot_) original_ = Swap(reinterpret_cast<void*>(&RecordShellExecute));
}

ShellRecorder::~ShellRecorder() {
    if (slot_) Swap(original_);
}

void ShellRecorder::Clear() { lastCall = {}; }

const ShellCall& ShellRecorder::Last() const { return lastCall; }

void* ShellRecorder::Swap(void* to) {
    DWORD protection;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    void* was = *slot_;
    *slot_ = to;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    return was;
}
