// The image registry of the process.
#include "LumoCtrls/LibraryImages.h"

#include "Kit/KitGuiLib/CriticalSection.h"
#include "Kit/KitGuiLib/Memory.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/Types.h"

#include <commctrl.h>

#include <map>
#include <new>

namespace
{
char const kSourcePath[] = "src/LumoControls/ImagesLibrary";

// Guards only the creation of the registry; everything else runs on the user-interface thread. The library
// teardown empties the registry under it, so it is constructed before, and destroyed after, the teardown.
CCriticalSection g_creationLock __attribute__((init_priority(199)));
CLibraryImages* g_registry = nullptr;

// Allocates with the base library's tracked allocation and reports a refusal at its own line.
void* AllocateAt(std::size_t size, int line, int failureLine)
{
    void* block = CMemory::Malloc(size, kSourcePath, line);
    if (block == nullptr)
        COutOfMemory::CreateAndThrow(kSourcePath, failureLine);
    return block;
}

HBITMAP CopyBitmap(HBITMAP bitmap, int width, int height)
{
    return static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, width, height, 0));
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP description{};
    GetObjectW(bitmap, sizeof(description), &description);
    return SIZE{description.bmWidth, description.bmHeight};
}

// A counted bitmap that must not delete what it holds (the icon's or the caller's own bitmap).
CBitmap Borrowed(HBITMAP bitmap)
{
    CBitmap borrowed(bitmap);
    borrowed.Disown();
    return borrowed;
}
} // namespace

struct CLibraryImages::SEntry
{
    UINT identifier;
    HBITMAP bitmap; // the registry's private copy
    HBITMAP grey;   // CreateGrayBitmap of the copy
    COLORREF key;
    int width;
    int height;
    SEntry* next;
    SEntry* previous;
};

struct CLibraryImages::SState : CLibraryObject
{
    std::map<UINT, SEntry*> entries;
    SEntry* newest = nullptr; // every entry, newest first, for the teardown
};

CLibraryImages::CLibraryImages() : m_state(new SState) {}

CLibraryImages::~CLibraryImages()
{
    SEntry* entry = m_state->newest;
    while (entry != nullptr)
    {
        SEntry* const next = entry->next;
        if (entry->bitmap != nullptr)
            DeleteObject(entry->bitmap);
        if (entry->grey != nullptr)
            DeleteObject(entry->grey);
        CMemory::Free(entry);
        entry = next;
    }
    delete m_state;
}

CLibraryImages& CLibraryImages::Get()
{
    CLock lock(g_creationLock);
    if (g_registry == nullptr)
        g_registry = new (AllocateAt(sizeof(CLibraryImages), 636, 597)) CLibraryImages;
    return *g_registry;
}

void CLibraryImages::Reset()
{
    CLock lock(g_creationLock);
    if (g_registry == nullptr)
        return;
    g_registry->~CLibraryImages();
    CMemory::Free(g_registry);
    g_registry = nullptr;
}

CLibraryImages::SEntry* CLibraryImages::Find(UINT identifier) const
{
    auto const it = m_state->entries.find(identifier);
    return it != m_state->entries.end() ? it->second : nullptr;
}

int CLibraryImages::AddBitmapWithID(UINT identifier, HBITMAP bitmap, int width, int height, COLORREF key)
{
    HBITMAP const copy = CopyBitmap(bitmap, width, height);
    if (copy == nullptr)
        CWindowsApiFailed::CreateAndThrow(L"CopyImage", GetLastError(), kSourcePath, 424);
    return AddCopy(identifier, copy, key);
}

// Takes over the copy: it becomes an entry's image, or it is deleted. Nothing enters the registry before
// everything it needs has been made, so a failure on the way leaves the registry as it was.
int CLibraryImages::AddCopy(UINT identifier, HBITMAP copy, COLORREF key)
{
    CBitmap image(copy);
    if (Find(identifier) != nullptr)
        return 0; // an image is never replaced through this way in
    CBitmap grey(CreateGrayBitmap(copy, key));
    SIZE const size = SizeOf(copy); // a width or height of 0 asked for the bitmap's own
    auto* const entry = static_cast<SEntry*>(AllocateAt(sizeof(SEntry), 159, 161));
    try
    {
        m_state->entries.emplace(identifier, entry);
    }
    catch (...)
    {
        CMemory::Free(entry);
        throw;
    }
    *entry = SEntry{identifier, image, grey, key, size.cx, size.cy, m_state->newest, nullptr};
    image.Disown(); // both belong to the entry now
    grey.Disown();
    if (m_state->newest != nullptr)
        m_state->newest->previous = entry;
    m_state->newest = entry;
    return 1;
}

int CLibraryImages::AddIconWithID(UINT identifier, HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return 0;
    // GetIconInfo hands out copies of the icon's bitmaps: they go whatever happens below.
    CBitmap const iconMask(info.hbmMask);
    CBitmap const iconColor(info.hbmColor);
    int const width = 2 * static_cast<int>(info.xHotspot);
    int const height = 2 * static_cast<int>(info.yHotspot);
    if (width <= 0 || height <= 0)
        return 0;

    // The icon drawn over magenta: its mask clears the opaque pixels, its colours fill them in.
    CBitmap composed;
    {
        CScreenDC screen;
        composed.CreateDIBSection(screen, width, height);
        CCompDC target(screen);
        target.Select(composed);
        target.SelectSolidBrush(lumo::kColorKey);
        target.PatBlt(0, 0, width, height, PATCOPY);
        CCompDC maskDc(screen);
        maskDc.Select(Borrowed(iconMask));
        target.BitBlt(0, 0, width, height, maskDc, 0, 0, SRCAND);
        if (!iconColor.IsEmpty())
        {
            CCompDC colorDc(screen);
            colorDc.Select(Borrowed(iconColor));
            target.BitBlt(0, 0, width, height, colorDc, 0, 0, SRCPAINT);
        }
        else // a monochrome icon: its mask is twice as high, the image (XOR) half below the AND half
            target.BitBlt(0, 0, width, height, maskDc, 0, height, SRCINVERT);
    }

    SEntry* const entry = Find(identifier);
    if (entry == nullptr)
        return AddBitmapWithID(identifier, composed, width, height, lumo::kColorKey);

    CBitmap copy(CopyBitmap(composed, 0, 0));
    if (copy.IsEmpty())
        CWindowsApiFailed::CreateAndThrow(L"CopyImage", GetLastError(), kSourcePath, 495);
    CBitmap grey(CreateGrayBitmap(copy, lumo::kColorKey));
    DeleteObject(entry->bitmap);
    if (entry->grey != nullptr)
        DeleteObject(entry->grey);
    entry->bitmap = copy;
    entry->grey = grey;
    copy.Disown(); // both belong to the entry now
    grey.Disown();
    entry->key = lumo::kColorKey;
    entry->width = width;
    entry->height = height;
    return 1;
}

int CLibraryImages::LoadImagesFromToolbar(HWND toolbar)
{
    auto const images = reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
    if (images == nullptr)
        return 0;
    int const count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    if (count == 0)
        return 0;
    for (int index = 0; index < count; ++index)
    {
        TBBUTTON button{};
        if (!SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&button)))
            continue;
        // A separator's image index is its width, not an image: registering it would give command 0 an
        // unrelated picture.
        if ((button.fsStyle & BTNS_SEP) != 0)
            continue;
        HICON const icon = ImageList_GetIcon(images, button.iBitmap, ILD_NORMAL);
        if (icon == nullptr)
            continue;
        try
        {
            AddIconWithID(static_cast<UINT>(button.idCommand), icon);
        }
        catch (...)
        {
            DestroyIcon(icon);
            throw;
        }
        DestroyIcon(icon);
    }
    return 1;
}

int CLibraryImages::GetImageSize(UINT identifier, int& width, int& height) const
{
    SEntry const* const entry = Find(identifier);
    if (entry == nullptr)
        return 0;
    width = entry->width;
    height = entry->height;
    return 1;
}

HBITMAP CLibraryImages::BitmapFromID(UINT identifier) const
{
    SEntry const* const entry = Find(identifier);
    return entry != nullptr ? entry->bitmap : nullptr;
}

void CLibraryImages::DrawBitmapImage(CDCBase& dc, HBITMAP bitmap, int x, int y, int width, int height)
{
    if (x < 0 || y < 0 || bitmap == nullptr)
        return;
    BITMAP description{};
    GetObjectW(bitmap, sizeof(description), &description);
    int const sourceWidth = description.bmWidth;
    int const sourceHeight = description.bmHeight;
    if (width == 0)
        width = sourceWidth;
    if (height == 0)
        height = sourceHeight;

    // XOR the image in, clear where the mask says opaque, XOR it in again: key pixels cancel out and leave
    // the target, opaque ones end as the image. The AND step needs white for 1 and black for 0.
    struct CColoursKept
    {
        CDCBase& dc;
        COLORREF background;
        COLORREF text;
        ~CColoursKept()
        {
            SetTextColor(dc.GetHandle(), text);
            SetBkColor(dc.GetHandle(), background);
        }
    } const kept{dc, dc.SetBkColor(RGB(255, 255, 255)), dc.SetTextColor(RGB(0, 0, 0))};
    {
        CCompDC source(dc);
        source.Select(Borrowed(bitmap));
        CBitmap maskBitmap;
        maskBitmap.Create(width, height, 1, 1, nullptr);
        CCompDC mask(dc);
        mask.Select(maskBitmap);
        source.SetBkColor(lumo::kColorKey);
        mask.StretchBlt(0, 0, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
        dc.StretchBlt(x, y, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCINVERT);
        dc.BitBlt(x, y, width, height, mask, 0, 0, SRCAND);
        dc.StretchBlt(x, y, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCINVERT);
    }
}

void CLibraryImages::DrawBitmapId(CDCBase& dc, UINT identifier, int x, int y, int width, int height,
                                  int disabled)
{
    SEntry const* const entry = Find(identifier);
    if (entry == nullptr)
        return;
    HBITMAP const bitmap = disabled != 0 ? entry->grey : entry->bitmap;
    if (bitmap != nullptr)
        DrawBitmapImage(dc, bitmap, x, y, width, height);
}
