// PaintBitmap: a colour-keyed copy built from masks, for targets where the platform's transparent blit
// is not to be relied on.
#include "LumoCtrls/DrawTools.h"

namespace
{
// Everything PaintBitmap creates, released in reverse whatever state the painting reached.
class CPaintBitmapResources
{
public:
    CPaintBitmapResources(HBITMAP bitmap, int width, int height)
    {
        m_screen = GetDC(nullptr);
        if (m_screen == nullptr)
            return;
        m_source = CreateCompatibleDC(m_screen);
        m_mask = CreateCompatibleDC(m_screen);
        m_work = CreateCompatibleDC(m_screen);
        // The left half holds the key pixels as 1, the right half the opaque pixels as 1.
        m_maskBitmap = CreateBitmap(2 * width, height, 1, 1, nullptr);
        m_workBitmap = CreateCompatibleBitmap(m_screen, width, height);
        if (!IsComplete())
            return;
        m_previousSource = SelectObject(m_source, bitmap);
        m_previousMask = SelectObject(m_mask, m_maskBitmap);
        m_previousWork = SelectObject(m_work, m_workBitmap);
    }

    ~CPaintBitmapResources()
    {
        if (m_previousSource != nullptr)
            SelectObject(m_source, m_previousSource);
        if (m_previousMask != nullptr)
            SelectObject(m_mask, m_previousMask);
        if (m_previousWork != nullptr)
            SelectObject(m_work, m_previousWork);
        if (m_workBitmap != nullptr)
            DeleteObject(m_workBitmap);
        if (m_maskBitmap != nullptr)
            DeleteObject(m_maskBitmap);
        for (HDC dc : {m_work, m_mask, m_source})
            if (dc != nullptr)
                DeleteDC(dc);
        if (m_screen != nullptr)
            ReleaseDC(nullptr, m_screen);
    }

    CPaintBitmapResources(CPaintBitmapResources const&) = delete;
    CPaintBitmapResources& operator=(CPaintBitmapResources const&) = delete;

    bool IsReady() const
    {
        return IsComplete() && m_previousSource != nullptr && m_previousMask != nullptr &&
               m_previousWork != nullptr;
    }
    HDC Source() const { return m_source; }
    HDC Mask() const { return m_mask; }
    HDC Work() const { return m_work; }

private:
    bool IsComplete() const
    {
        return m_source != nullptr && m_mask != nullptr && m_work != nullptr && m_maskBitmap != nullptr &&
               m_workBitmap != nullptr;
    }

    HDC m_screen = nullptr;
    HDC m_source = nullptr;
    HDC m_mask = nullptr;
    HDC m_work = nullptr;
    HBITMAP m_maskBitmap = nullptr;
    HBITMAP m_workBitmap = nullptr;
    HGDIOBJ m_previousSource = nullptr;
    HGDIOBJ m_previousMask = nullptr;
    HGDIOBJ m_previousWork = nullptr;
};
} // namespace

void PaintBitmap(HDC target, HBITMAP bitmap, COLORREF key, int sourceX, int sourceY, int targetX, int targetY,
                 int width, int height)
{
    CPaintBitmapResources resources(bitmap, width, height);
    if (!resources.IsReady())
        return;
    HDC const source = resources.Source();
    HDC const mask = resources.Mask();
    HDC const work = resources.Work();

    // 1. A working copy of the image.
    BitBlt(work, 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);

    // 2. Masks: a colour-to-monochrome blit turns pixels of the background colour into 1.
    COLORREF const sourceBackground = SetBkColor(source, key);
    BitBlt(mask, 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);
    BitBlt(mask, width, 0, width, height, source, sourceX, sourceY, NOTSRCCOPY);
    SetBkColor(source, sourceBackground);

    // 3. Clear the target where the image is opaque (monochrome 0 becomes the text colour, black).
    COLORREF const maskText = SetTextColor(mask, RGB(255, 255, 255));
    COLORREF const maskBackground = SetBkColor(mask, RGB(0, 0, 0));
    COLORREF const targetText = SetTextColor(target, RGB(0, 0, 0));
    COLORREF const targetBackground = SetBkColor(target, RGB(255, 255, 255));
    BitBlt(target, targetX, targetY, width, height, mask, 0, 0, SRCAND);
    SetTextColor(target, targetText);
    SetBkColor(target, targetBackground);

    // 4. Blacken the key pixels of the copy.
    SetTextColor(mask, RGB(0, 0, 0));
    SetBkColor(mask, RGB(255, 255, 255));
    BitBlt(work, 0, 0, width, height, mask, width, 0, SRCAND);
    SetTextColor(mask, maskText);
    SetBkColor(mask, maskBackground);

    // 5. Combine: the opaque pixels of the copy go where the target was cleared.
    BitBlt(target, targetX, targetY, width, height, work, 0, 0, SRCPAINT);
}
