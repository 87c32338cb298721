// Counted owners of platform handles.
//
// A TSharedHandle holds one handle and shares it with its copies through a counter block; the last copy
// to let go destroys the handle with the deleter (unless the handle is not owned, as a loaded icon is).
// These classes cross the boundary between the library and its hosts (exported operations take
// CBitmap const&, CFont const& and vectors of CIcon), so their layout is fixed: the table of virtual
// operations, the counter pointer, the handle. Counters are plain integers: a handle and its copies live
// on one thread.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/LibraryMemory.h"

class CDCBase;

// The block that copies of one handle share.
struct SSharedCounter
{
    std::uint32_t owns;       // 1: the last release destroys the handle; 0: it does not
    std::uint32_t references; // how many wrappers hold the handle
};

template <class H, class Deleter> class TSharedHandle
{
public:
    TSharedHandle() = default;
    explicit TSharedHandle(H handle) { Attach(handle); }
    TSharedHandle(TSharedHandle const& other) : m_counter(other.m_counter), m_handle(other.m_handle)
    {
        if (m_counter != nullptr)
            ++m_counter->references;
    }
    TSharedHandle& operator=(TSharedHandle const& other)
    {
        if (this != &other)
        {
            // Raise first: other may share our counter, whose count must not touch zero on the way.
            if (other.m_counter != nullptr)
                ++other.m_counter->references;
            Release();
            m_counter = other.m_counter;
            m_handle = other.m_handle;
        }
        return *this;
    }
    virtual ~TSharedHandle() { Release(); }

    // Lets go of the held handle and holds this one, owned. A null handle just empties the wrapper.
    void Attach(H handle) { Hold(handle, 1); }

    // Lets go of the held handle: the last holder destroys an owned handle.
    void Release() noexcept
    {
        if (m_counter == nullptr)
            return;
        if (--m_counter->references == 0)
        {
            if (m_counter->owns != 0)
                Deleter()(m_handle);
            lumo::Release(m_counter);
        }
        m_counter = nullptr;
        m_handle = nullptr;
    }

    // From now on no holder destroys the handle (it has been handed to the platform, or was never ours).
    void Disown() noexcept
    {
        if (m_counter != nullptr)
            m_counter->owns = 0;
    }

    H GetHandle() const { return m_handle; }
    operator H() const { return m_handle; }
    bool IsEmpty() const { return m_handle == nullptr; }
    bool IsOwned() const { return m_counter != nullptr && m_counter->owns != 0; }
    std::uint32_t GetReferenceCount() const { return m_counter != nullptr ? m_counter->references : 0; }

protected:
    // Holds handle with a fresh counter. The counter is allocated before the old handle is let go, so
    // that a failed allocation leaves the wrapper as it was; the handle it was given is then destroyed
    // (when owned), since no one else holds it.
    void Hold(H handle, std::uint32_t owns)
    {
        SSharedCounter* counter = nullptr;
        if (handle != nullptr)
        {
            try
            {
                counter = static_cast<SSharedCounter*>(
                    lumo::AllocateTracked(sizeof(SSharedCounter), "src\\INC\\SharedHandle", 195));
            }
            catch (...)
            {
                if (owns != 0)
                    Deleter()(handle);
                throw;
            }
            counter->owns = owns;
            counter->references = 1;
        }
        Release();
        m_counter = counter;
        m_handle = handle;
    }

private:
    SSharedCounter* m_counter = nullptr;
    H m_handle = nullptr;
};

// --- Deleters

struct CGdiObjectDeleter
{
    void operator()(HGDIOBJ handle) const { DeleteObject(handle); }
};
struct CIconDeleter
{
    void operator()(HICON handle) const { DestroyIcon(handle); }
};
struct CMenuDeleter
{
    void operator()(HMENU handle) const { DestroyMenu(handle); }
};
struct CImageListDeleter
{
    void operator()(HIMAGELIST handle) const { ImageList_Destroy(handle); }
};
// Accelerator tables loaded from resources belong to their module and are never destroyed.
struct CNoDeleter
{
    template <class H> void operator()(H) const {}
};

// Frees a global memory block (GlobalFree).
LUMO_API void FreeGlobalHandle(HGLOBAL handle);
struct CGlobalDeleter
{
    void operator()(HGLOBAL handle) const { FreeGlobalHandle(handle); }
};

// --- The instances. Each creating or loading operation throws CWindowsApiFailed (or CResourceNotFound)
// when the platform refuses, and then leaves the wrapper as it was; on success the wrapper holds the new
// handle alone.

class LUMO_API CFont : public TSharedHandle<HFONT, CGdiObjectDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void CreateIndirect(LOGFONTW const& description);
    LOGFONTW GetLogFont() const;
};

class LUMO_API CBitmap : public TSharedHandle<HBITMAP, CGdiObjectDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    // From a module's resources; a missing identifier is CResourceNotFound (type 3).
    void Load(HINSTANCE module, UINT identifier);
    // A bottom-up 24-bit DIB section compatible with dc. A width or height not above 0 empties the
    // wrapper instead, without asking the platform.
    void CreateDIBSection(CDCBase const& dc, int width, int height);
    void Create(int width, int height, UINT planes, UINT bitsPerPixel, void const* bits);
};

class LUMO_API CBrush : public TSharedHandle<HBRUSH, CGdiObjectDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void CreateSolid(COLORREF color);
    void CreatePattern(CBitmap const& pattern);
};

class LUMO_API CPen : public TSharedHandle<HPEN, CGdiObjectDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void Create(int style, int width, COLORREF color);
};

class LUMO_API CRgn : public TSharedHandle<HRGN, CGdiObjectDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void CreatePolygon(std::vector<POINT> const& points, int fillMode);
    void CreateRect(int left, int top, int right, int bottom);
};

class LUMO_API CIcon : public TSharedHandle<HICON, CIconDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    // A loaded icon is shared by the system and never destroyed by its wrapper.
    void Load(HINSTANCE module, UINT identifier);
};

class LUMO_API CMenu : public TSharedHandle<HMENU, CMenuDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void Load(HINSTANCE module, UINT identifier);
    void CreatePopup();
};

class LUMO_API CImageList : public TSharedHandle<HIMAGELIST, CImageListDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void Create(int width, int height, UINT flags, int initial, int grow);
    void Load(HINSTANCE module, LPCWSTR name, int width, int grow, COLORREF mask, UINT type, UINT flags);
    // Appends the icon; returns its index.
    int AddIcon(HICON icon);
    void Draw(int index, CDCBase& dc, int x, int y, UINT style) const;
};

class LUMO_API CAccel : public TSharedHandle<HACCEL, CNoDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void Load(HINSTANCE module, UINT identifier);
};

// A global memory block, as the clipboard takes and gives them.
class LUMO_API CGlobal : public TSharedHandle<HGLOBAL, CGlobalDeleter>
{
public:
    using TSharedHandle::TSharedHandle;
    void Allocate(UINT flags, SIZE_T bytes);
};

// Keeps a global memory block locked while it lives.
class LUMO_API CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL block);
    ~CGlobalLock();
    CGlobalLock(CGlobalLock const&) = delete;
    CGlobalLock& operator=(CGlobalLock const&) = delete;

    void* GetData() const { return m_data; }

private:
    HGLOBAL m_block;
    void* m_data;
};
