#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

namespace
{
// A deleter that counts, so that "destroyed exactly once" is observed rather than inferred.
int g_deleted = 0;
HANDLE g_lastDeleted = nullptr;
struct CountingDeleter
{
    void operator()(HANDLE handle) const
    {
        ++g_deleted;
        g_lastDeleted = handle;
    }
};
using CCounted = TSharedHandle<HANDLE, CountingDeleter>;
HANDLE const kFirst = reinterpret_cast<HANDLE>(0x1000);
HANDLE const kSecond = reinterpret_cast<HANDLE>(0x2000);

class CountedHandle : public testing::Test
{
protected:
    void SetUp() override
    {
        g_deleted = 0;
        g_lastDeleted = nullptr;
    }
};

TEST_F(CountedHandle, CopiesShareOneCounterAndTheLastOneDestroysTheHandleOnce)
{
    {
        CCounted* original = new CCounted(kFirst);
        CCounted copy(*original);
        EXPECT_EQ(copy.GetReferenceCount(), 2u);
        delete original; // the copy outlives it
        EXPECT_EQ(g_deleted, 0);
        EXPECT_EQ(copy.GetHandle(), kFirst);
        EXPECT_EQ(copy.GetReferenceCount(), 1u);
    }
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_lastDeleted, kFirst);
}

TEST_F(CountedHandle, AssigningToItselfOrToACopyChangesNothing)
{
    CCounted held(kFirst);
    CCounted& alias = held;
    held = alias;
    EXPECT_EQ(held.GetReferenceCount(), 1u);
    EXPECT_EQ(held.GetHandle(), kFirst);

    CCounted copy(held);
    copy = held; // same counter on both sides: must not pass through zero
    EXPECT_EQ(g_deleted, 0);
    EXPECT_EQ(held.GetReferenceCount(), 2u);
}

TEST_F(CountedHandle, AssignmentAndAttachLetGoOfTheHeldHandle)
{
    CCounted first(kFirst);
    CCounted second(kSecond);
    first = second;
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_lastDeleted, kFirst);
    EXPECT_EQ(second.GetReferenceCount(), 2u);

    second.Attach(kFirst); // second lets go of its share of kSecond, which first still holds
    EXPECT_EQ(g_deleted, 1);
    first.Release();
    EXPECT_EQ(g_deleted, 2);
    EXPECT_EQ(g_lastDeleted, kSecond);
    first.Release(); // nothing held: nothing happens
    EXPECT_EQ(g_deleted, 2);
}

TEST_F(CountedHandle, AttachingNullEmptiesTheWrapperAndADisownedHandleStays)
{
    CCounted held(kFirst);
    held.Attach(nullptr);
    EXPECT_EQ(g_deleted, 1);
    EXPECT_TRUE(held.IsEmpty());
    EXPECT_EQ(held.GetReferenceCount(), 0u);
    EXPECT_FALSE(held.IsOwned());
    CCounted copy(held);
    EXPECT_EQ(copy.GetReferenceCount(), 0u);
    {
        CCounted disowned(kSecond);
        CCounted share(disowned);
        share.Disown();
        EXPECT_FALSE(disowned.IsOwned());
    }
    EXPECT_EQ(g_deleted, 1) << "a disowned handle is never destroyed";
}

TEST(Icon, ALoadedIconIsSharedAndOutlivesItsWrapper)
{
    HICON handle = nullptr;
    {
        CIcon icon;
        icon.Load(nullptr, 32512); // IDI_APPLICATION, a system icon
        handle = icon.GetHandle();
        ASSERT_NE(handle, nullptr);
        EXPECT_FALSE(icon.IsOwned());
    }
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info)) << "the wrapper destroyed a shared icon";
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

TEST(Bitmap, ADibSectionIsABottomUp24BitImageAndNoSizeMeansNoBitmap)
{
    CScreenDC screen;
    CBitmap bitmap;
    bitmap.CreateDIBSection(screen, 5, 3);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmWidth, 5);
    EXPECT_EQ(section.dsBm.bmHeight, 3);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
    EXPECT_GT(section.dsBmih.biHeight, 0);

    HBITMAP const before = bitmap.GetHandle();
    bitmap.CreateDIBSection(screen, 0, 3);
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(GetObjectType(before), 0u) << "the previous section was not released";
    bitmap.CreateDIBSection(screen, 4, -1);
    EXPECT_TRUE(bitmap.IsEmpty());
}

struct Tracked
{
    static int alive;
    Tracked() { ++alive; }
    ~Tracked() { --alive; }
};
int Tracked::alive = 0;

TEST(SharedPointer, TheLastHolderDeletesTheObject)
{
    {
        TSharedPointer<Tracked> first(new Tracked);
        TSharedPointer<Tracked> second;
        second = first;
        first = first;
        first.Release();
        EXPECT_EQ(Tracked::alive, 1);
        EXPECT_FALSE(second.IsEmpty());
    }
    EXPECT_EQ(Tracked::alive, 0);
}

} // namespace
