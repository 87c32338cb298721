#include "LumoCtrls/LumoCtrls.h"
#include "w32/PixelCanvas.h"

#include <gtest/gtest.h>

namespace
{
// A memory context with a bitmap of its own, so that every kind of object can be selected into it.
class MemoryContext
{
public:
    MemoryContext() : m_dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryContext() { DeleteDC(m_dc); }
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

CBrush SolidBrush(COLORREF color)
{
    CBrush brush;
    brush.CreateSolid(color);
    return brush;
}

TEST(DeviceContext, SelectedObjectsLiveWhileSelectedAndGoWithTheWrapper)
{
    MemoryContext memory;
    HGDIOBJ const originals[] = {
        GetCurrentObject(memory.Get(), OBJ_BRUSH), GetCurrentObject(memory.Get(), OBJ_PEN),
        GetCurrentObject(memory.Get(), OBJ_FONT), GetCurrentObject(memory.Get(), OBJ_BITMAP)};
    HGDIOBJ selected[4] = {};
    {
        CDC dc(memory.Get());
        {
            // The callers' wrappers go first; the context wrapper keeps the objects alive.
            CBrush brush = SolidBrush(RGB(1, 2, 3));
            CPen pen;
            pen.Create(PS_SOLID, 1, RGB(4, 5, 6));
            LOGFONTW description{};
            description.lfHeight = -11;
            lstrcpyW(description.lfFaceName, L"Tahoma");
            CFont font;
            font.CreateIndirect(description);
            CBitmap bitmap;
            bitmap.Create(8, 8, 1, 1, nullptr);
            dc.Select(brush);
            dc.Select(pen);
            dc.Select(font);
            dc.Select(bitmap);
            selected[0] = brush;
            selected[1] = pen;
            selected[2] = font;
            selected[3] = bitmap;
        }
        for (HGDIOBJ object : selected)
            EXPECT_NE(GetObjectType(object), 0u) << "a selected object died with its caller's wrapper";
        EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), selected[1]);
    }
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BRUSH), originals[0]);
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originals[1]);
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_FONT), originals[2]);
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BITMAP), originals[3]);
    for (HGDIOBJ object : selected)
        EXPECT_EQ(GetObjectType(object), 0u) << "the last holder did not delete the object";
}

TEST(DeviceContext, RestoringOneKindLeavesTheOthersSelected)
{
    MemoryContext memory;
    HGDIOBJ const originalPen = GetCurrentObject(memory.Get(), OBJ_PEN);
    CDC dc(memory.Get());
    dc.SelectSolidPen(RGB(9, 9, 9));
    dc.SelectSolidBrush(RGB(8, 8, 8));
    HGDIOBJ const brush = GetCurrentObject(memory.Get(), OBJ_BRUSH);
    dc.RestorePen();
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originalPen);
    EXPECT_TRUE(dc.GetCurrentPen().IsEmpty());
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BRUSH), brush);
    dc.RestorePen(); // twice: nothing saved any more, nothing happens
    EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originalPen);
}

TEST(DeviceContext, ALineLeavesTheCurrentPositionWhereItWas)
{
    PixelCanvas canvas(12, 4, RGB(255, 255, 255));
    CDC dc(canvas.GetDC());
    dc.SelectSolidPen(RGB(200, 0, 0));
    dc.MoveToEx(7, 3);
    dc.Line(0, 1, 10, 1);
    POINT position{};
    GetCurrentPositionEx(canvas.GetDC(), &position);
    EXPECT_EQ(position.x, 7);
    EXPECT_EQ(position.y, 3);
    EXPECT_EQ(canvas.At(0, 1), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(9, 1), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(10, 1), RGB(255, 255, 255)); // the end point is not drawn
    EXPECT_EQ(canvas.At(5, 2), RGB(255, 255, 255));
}

TEST(DeviceContext, CheckedCallsDrawAndAnswerLikeThePlatform)
{
    PixelCanvas canvas(20, 20, RGB(0, 0, 0));
    CDC dc(canvas.GetDC());
    dc.SetBkColor(RGB(1, 2, 3));
    EXPECT_EQ(dc.SetBkColor(RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(canvas.GetDC()), RGB(4, 5, 6));
    dc.FillRect(RECT{2, 2, 6, 6}, SolidBrush(RGB(0, 0, 255)));
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(6, 6), RGB(0, 0, 0));
    dc.PatBlt(0, 0, 1, 1, WHITENESS);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
    EXPECT_GT(dc.GetTextMetricsW().tmHeight, 0);
    EXPECT_GT(dc.GetTextExtentPoint32W(L"Wide text").cx, dc.GetTextExtentPoint32W(L"W").cx);
    std::vector<int> extents;
    int const fit = dc.GetTextExtentExPointW(L"abcdef", 1000, &extents, nullptr);
    EXPECT_EQ(fit, 6);
    ASSERT_EQ(extents.size(), 6u);
    EXPECT_LT(extents[0], extents[5]);
    RECT rect{0, 0, 4, 4};
    std::wstring const empty; // (built from L"", GCC 12 warns wrongly of a copy out of bounds)
    EXPECT_NO_THROW(dc.DrawTextW(empty, rect, DT_SINGLELINE)) << "empty text is not a failure";
    EXPECT_NO_THROW(dc.GetTextExtentPoint32W(empty));
}
} // namespace
