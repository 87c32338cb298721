#include "INC/w32/WindowSubclass.h"

#include "INC/w32/PlatformFailure.h"
#include "Kit/KitGuiLib/CriticalSection.h"

#include <cstdint>
#include <cstring>

namespace
{
char const kSourcePath[] = "src/INC/WindowSubclass";

// --- Machine code of the stub: a window procedure that calls CallWindowProcW(target, window, message,
// wParam, lParam) with the two pointers read from its data slot, and returns its result.

#if defined(_M_X64) || defined(__x86_64__)
constexpr std::size_t kCodeStride = 64;
// sub rsp,38h / mov [rsp+20h],r9 / mov r9,r8 / mov r8,rdx / mov rdx,rcx / mov rcx,[rip+target] /
// call [rip+callWindowProc] / add rsp,38h / ret
unsigned char const kCode[] = {0x48, 0x83, 0xEC, 0x38, 0x4C, 0x89, 0x4C, 0x24, 0x20, 0x4D, 0x89, 0xC1,
                               0x49, 0x89, 0xD0, 0x48, 0x89, 0xCA, 0x48, 0x8B, 0x0D, 0,    0,    0,
                               0,    0xFF, 0x15, 0,    0,    0,    0,    0x48, 0x83, 0xC4, 0x38, 0xC3};
constexpr std::size_t kTargetOperand = 21; // rip-relative, from the end of its instruction at 25
constexpr std::size_t kCallOperand = 27;   // rip-relative, from the end of its instruction at 31
// The stub's frame for the platform's unwinder (a C++ exception thrown by a procedure further down the
// chain unwinds through it): a four-byte prologue that allocates 38h bytes on the stack.
unsigned char const kUnwindInfo[] = {0x01, 0x04, 0x01, 0x00, 0x04, 0x62, 0x00, 0x00};
constexpr std::size_t kUnwindInfoOffset = 8;
constexpr std::size_t kFunctionTableOffset = 16;
constexpr std::size_t kSlotsPerBlock = 48;
constexpr std::size_t kCodeOffset = 640; // after the unwind information and the function table

void WriteOperands(unsigned char* code, void** target, void** callWindowProc)
{
    auto relative = [](void const* operand, unsigned char const* instructionEnd)
    {
        return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(operand) -
                                         reinterpret_cast<std::intptr_t>(instructionEnd));
    };
    std::int32_t const targetOffset = relative(target, code + 25);
    std::int32_t const callOffset = relative(callWindowProc, code + 31);
    std::memcpy(code + kTargetOperand, &targetOffset, 4);
    std::memcpy(code + kCallOperand, &callOffset, 4);
}
#else
constexpr std::size_t kCodeStride = 32;
// push [esp+10h] four times (lParam, wParam, message, window) / push [target] / call [callWindowProc] /
// ret 10h
unsigned char const kCode[] = {0xFF, 0x74, 0x24, 0x10, 0xFF, 0x74, 0x24, 0x10, 0xFF, 0x74, 0x24,
                               0x10, 0xFF, 0x74, 0x24, 0x10, 0xFF, 0x35, 0,    0,    0,    0,
                               0xFF, 0x15, 0,    0,    0,    0,    0xC2, 0x10, 0x00};
constexpr std::size_t kTargetOperand = 18; // absolute addresses
constexpr std::size_t kCallOperand = 24;
constexpr std::size_t kSlotsPerBlock = 120;
constexpr std::size_t kCodeOffset = 64;

void WriteOperands(unsigned char* code, void** target, void** callWindowProc)
{
    auto const targetAddress = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(target));
    auto const callAddress = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(callWindowProc));
    std::memcpy(code + kTargetOperand, &targetAddress, 4);
    std::memcpy(code + kCallOperand, &callAddress, 4);
}
#endif
static_assert(sizeof(kCode) <= kCodeStride, "a stub fits its slot");
constexpr std::size_t kPageSize = 4096;
static_assert(kCodeOffset + kSlotsPerBlock * kCodeStride <= kPageSize, "the stubs fit one page");
static_assert(kSlotsPerBlock * 2 * sizeof(void*) <= kPageSize, "their data fits one page");
} // namespace

// One stub's data slot, in the data page of its block: the procedure it calls (or, while the stub is
// free, the next free slot) and CallWindowProcW.
struct lumo::SubclassStub
{
    void* volatile target;
    void* callWindowProc;
};

namespace
{
using lumo::SubclassStub;

// Stubs come in blocks of two pages, code then data, that are never given back: a retired stub may sit in
// some host's chain until the process ends. The free slots are chained through their target pointers, so
// the pool needs no memory of its own and nothing to destroy at unload.
class CStubPool
{
public:
    SubclassStub* Take(WNDPROC target)
    {
        CLock lock(m_lock);
        if (m_free == nullptr)
            AddBlock();
        SubclassStub* const stub = m_free;
        m_free = static_cast<SubclassStub*>(stub->target);
        SetTarget(*stub, target);
        return stub;
    }

    void Give(SubclassStub* stub)
    {
        CLock lock(m_lock);
        stub->target = m_free;
        m_free = stub;
    }

    static void SetTarget(SubclassStub& stub, WNDPROC target)
    {
        InterlockedExchangePointer(const_cast<void**>(&stub.target), reinterpret_cast<void*>(target));
    }

    // The entry point of a stub: its code in the page before its data page.
    static WNDPROC CodeOf(SubclassStub const* stub)
    {
        auto const address = reinterpret_cast<std::uintptr_t>(stub);
        std::uintptr_t const dataPage = address & ~static_cast<std::uintptr_t>(kPageSize - 1);
        std::size_t const index = (address - dataPage) / sizeof(SubclassStub);
        return reinterpret_cast<WNDPROC>(dataPage - kPageSize + kCodeOffset + index * kCodeStride);
    }

private:
    void AddBlock()
    {
        auto* const block = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, 2 * kPageSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (block == nullptr)
            lumo::ThrowLastError(L"VirtualAlloc", kSourcePath, __LINE__);
        // CallWindowProcW of user32 itself (not an import thunk of this library), so that a retired stub
        // needs nothing of ours.
        void* const callWindowProc =
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "CallWindowProcW"));
        auto* const slots = reinterpret_cast<SubclassStub*>(block + kPageSize);
        for (std::size_t i = 0; i < kSlotsPerBlock; ++i)
        {
            unsigned char* const code = block + kCodeOffset + i * kCodeStride;
            std::memset(code, 0xCC, kCodeStride);
            std::memcpy(code, kCode, sizeof(kCode));
            WriteOperands(code, const_cast<void**>(&slots[i].target), &slots[i].callWindowProc);
            slots[i].callWindowProc = callWindowProc;
            slots[i].target = i + 1 < kSlotsPerBlock ? &slots[i + 1] : static_cast<void*>(m_free);
        }
#if defined(_M_X64) || defined(__x86_64__)
        std::memcpy(block + kUnwindInfoOffset, kUnwindInfo, sizeof(kUnwindInfo));
        auto* const functions = reinterpret_cast<RUNTIME_FUNCTION*>(block + kFunctionTableOffset);
        for (std::size_t i = 0; i < kSlotsPerBlock; ++i)
        {
            auto const begin = static_cast<DWORD>(kCodeOffset + i * kCodeStride);
            functions[i] = RUNTIME_FUNCTION{begin, static_cast<DWORD>(begin + sizeof(kCode)),
                                            static_cast<DWORD>(kUnwindInfoOffset)};
        }
        RtlAddFunctionTable(functions, kSlotsPerBlock, reinterpret_cast<DWORD64>(block));
#endif
        DWORD previousProtection = 0;
        VirtualProtect(block, kPageSize, PAGE_EXECUTE_READ, &previousProtection);
        FlushInstructionCache(GetCurrentProcess(), block, kPageSize);
        m_free = &slots[0];
    }

    CCriticalSection m_lock;
    SubclassStub* m_free = nullptr;
};

// Constructed before, and destroyed after, every static object that may hold a subclass.
CStubPool g_stubs __attribute__((init_priority(150)));
} // namespace

// --- CWindowSubclass

lumo::CWindowSubclass::CWindowSubclass(HWND window, WNDPROC procedure)
    : m_window(window), m_previous(nullptr), m_stub(g_stubs.Take(procedure))
{
    SetLastError(0);
    LONG_PTR const previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CStubPool::CodeOf(m_stub)));
    if (previous == 0 && GetLastError() != 0)
    {
        DWORD const code = GetLastError();
        g_stubs.Give(m_stub);
        CWindowsApiFailed::CreateAndThrow(L"SetWindowLongPtr", code, kSourcePath, __LINE__);
    }
    m_previous = reinterpret_cast<WNDPROC>(previous);
}

lumo::CWindowSubclass::~CWindowSubclass()
{
    Remove();
}

bool lumo::CWindowSubclass::IsOutermost() const
{
    return m_stub != nullptr &&
           GetWindowLongPtrW(m_window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(CStubPool::CodeOf(m_stub));
}

void lumo::CWindowSubclass::Remove() noexcept
{
    if (m_stub == nullptr)
        return;
    if (IsOutermost())
    {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        g_stubs.Give(m_stub);
    }
    else
        CStubPool::SetTarget(*m_stub, m_previous); // retired: it forwards from now on, for good
    m_stub = nullptr;
}
