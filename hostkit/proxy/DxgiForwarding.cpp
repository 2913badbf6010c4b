// The proxy's exports. Each is a few instructions that jump to the system's function of the
// same name, whatever its parameters: arguments in registers and on the stack pass untouched.
// The first call of any of them loads the system's dxgi.dll and looks all of them up; that
// happens in the game's code, never under the loader lock.
#include <windows.h>

#include <cstddef>

#include "DxgiExportNames.h"

namespace {

constexpr const char* kExportNames[] = {
#define KZ_EXPORT_NAME(name) #name,
    KZ_DXGI_EXPORTS(KZ_EXPORT_NAME)
#undef KZ_EXPORT_NAME
};
constexpr std::size_t kExportCount = sizeof kExportNames / sizeof *kExportNames;

INIT_ONCE gResolved = INIT_ONCE_STATIC_INIT;

// Takes the place of a function that the system's dxgi.dll lacks, or of all of them when it
// could not be loaded: the caller gets a failure, not a jump to nowhere.
HRESULT WINAPI unavailable() {
    return E_NOTIMPL;
}

HMODULE thisModule() {
    HMODULE self = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<const wchar_t*>(&unavailable), &self);
    return self;
}

// By its full path in the system folder: the name alone would find this DLL again.
HMODULE loadSystemDxgi() {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    const wchar_t name[] = L"\\dxgi.dll";
    if (length == 0 || length + sizeof name / sizeof *name > MAX_PATH) return nullptr;
    lstrcpyW(path + length, name);
    HMODULE system = LoadLibraryW(path);
    if (system && system == thisModule()) {
        FreeLibrary(system);
        return nullptr;
    }
    return system;
}

}  // namespace

// Read by the stubs: the system's functions in the order of KZ_DXGI_EXPORTS, null until the
// first call.
extern "C" {
void* kzDxgiTargets[kExportCount];
}

namespace {

BOOL CALLBACK resolveAll(INIT_ONCE*, void*, void**) {
    HMODULE system = loadSystemDxgi();
    if (!system) OutputDebugStringA("dxgi.dll (KZConsole): the system's dxgi.dll did not load\n");
    for (std::size_t i = 0; i < kExportCount; ++i) {
        FARPROC function = system ? GetProcAddress(system, kExportNames[i]) : nullptr;
        kzDxgiTargets[i] =
            function ? reinterpret_cast<void*>(function) : reinterpret_cast<void*>(&unavailable);
    }
    return TRUE;
}

}  // namespace

// Called by the stubs on a first call, with the export's index; returns where to jump.
extern "C" void* kzDxgiResolve(unsigned index) {
    InitOnceExecuteOnce(&gResolved, resolveAll, nullptr, nullptr);
    return kzDxgiTargets[index];
}

// One stub per export, numbered by the assembler in the order of KZ_DXGI_EXPORTS; the .drectve
// entry puts it in the DLL's export table.
#define KZ_STUB(name)                                    \
    ".globl " #name                                      \
    "\n"                                                 \
    ".def " #name "; .scl 2; .type 32; .endef\n" #name   \
    ":\n"                                                \
    "    movq kzDxgiTargets+8*kzDxgiIndex(%rip), %rax\n" \
    "    testq %rax, %rax\n"                             \
    "    jz 1f\n"                                        \
    "    jmp *%rax\n"                                    \
    "1:  movl $kzDxgiIndex, %eax\n"                      \
    "    jmp kzDxgiResolveAndJump\n"                     \
    ".set kzDxgiIndex, kzDxgiIndex + 1\n"                \
    ".section .drectve\n"                                \
    ".ascii \" -export:" #name                           \
    "\"\n"                                               \
    ".text\n"

// The first call: the caller's register arguments (rcx, rdx, r8, r9, xmm0 to xmm3) are kept
// across kzDxgiResolve, then the stub's target takes the call as if called directly. On entry
// the stack is 8 bytes off a 16-byte boundary; five pushes and 96 bytes (32 of shadow space,
// 64 for the xmm registers) align it for the call.
asm(".text\n"
    ".set kzDxgiIndex, 0\n" KZ_DXGI_EXPORTS(KZ_STUB) "kzDxgiResolveAndJump:\n"
    "    pushq %rcx\n"
    "    pushq %rdx\n"
    "    pushq %r8\n"
    "    pushq %r9\n"
    "    pushq %rax\n"
    "    subq $0x60, %rsp\n"
    "    movdqu %xmm0, 0x20(%rsp)\n"
    "    movdqu %xmm1, 0x30(%rsp)\n"
    "    movdqu %xmm2, 0x40(%rsp)\n"
    "    movdqu %xmm3, 0x50(%rsp)\n"
    "    movl %eax, %ecx\n"
    "    call kzDxgiResolve\n"
    "    movdqu 0x20(%rsp), %xmm0\n"
    "    movdqu 0x30(%rsp), %xmm1\n"
    "    movdqu 0x40(%rsp), %xmm2\n"
    "    movdqu 0x50(%rsp), %xmm3\n"
    "    addq $0x60, %rsp\n"
    "    popq %r10\n"
    "    popq %r9\n"
    "    popq %r8\n"
    "    popq %rdx\n"
    "    popq %rcx\n"
    "    jmp *%rax\n");
