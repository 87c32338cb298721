// What a list window showing a manager hears of each change, the item handle's fields, and the answers
// the model gets with no platform bound.
#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "native/PropertyFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class RecordingPropertyView : public lumo::IPropertyView
{
public:
    std::vector<std::wstring> calls;
    void ItemAdded(lumo::PropertyRecord& item) override { calls.push_back(L"added " + item.name); }
    void ItemChanged(lumo::PropertyRecord& item) override { calls.push_back(L"changed " + item.name); }
    void ItemExpanded(lumo::PropertyRecord& item) override { calls.push_back(L"expanded " + item.name); }
    void ItemShown(lumo::PropertyRecord& item) override { calls.push_back(L"shown " + item.name); }
    void ItemEnabled(lumo::PropertyRecord& item) override { calls.push_back(L"enabled " + item.name); }
    void SelectItem(lumo::PropertyRecord* item, bool edit) override
    {
        calls.push_back(L"select " + (item != nullptr ? item->name : L"none") + (edit ? L" edit" : L""));
    }
    void ItemsCleared() override { calls.push_back(L"cleared"); }
    void StylesChanged(unsigned previous) override
    {
        calls.push_back(L"styles from " + std::to_wstring(previous));
    }
    void LayoutChanged() override { calls.push_back(L"layout"); }
    void ManagerDestroyed() override { calls.push_back(L"manager gone"); }
};
} // namespace

TEST(PropertyView, AnAttachedListHearsOfEveryChangeOnce)
{
    StandInPropertyPlatform platform;
    RecordingPropertyView view; // outlives the manager, as a list window outlives what it shows
    CPropertyManager manager;
    manager.GetImpl().SetList(nullptr, &view);
    void* category = manager.AddCategoryItem(L"C");
    CPropertyItem item(manager.AddEditItem(category, L"e", 1, L"", false));
    item.SetValue(L"v");
    item.SetComments(L"about");
    item.SetDisplayName(L"E");
    item.SetModify(true);
    item.SetReadOnly(true);
    item.SetExpand(true);
    item.SetExpand(true); // unchanged: nothing to tell
    manager.ShowItem(item, false);
    item.SetEnabled(false);
    manager.SelectItem(category, true);
    manager.RedrawItem(item);
    manager.SetStyleOn(CPropertyManager::STYLE_ALPHABETICAL);
    manager.SetStyleOn(CPropertyManager::STYLE_ALPHABETICAL);
    manager.SetColor(0x102030);
    manager.SetSplitterPosition(120);
    manager.SetCommentsWindowHeight(80);
    manager.ResetItemsValue();
    manager.ClearItems();
    EXPECT_EQ(view.calls,
              (std::vector<std::wstring>{L"added C", L"added e", L"changed e", L"changed e", L"changed e",
                                         L"changed e", L"changed e", L"expanded e", L"shown e", L"enabled e",
                                         L"select C edit", L"changed e", L"styles from 3", L"layout",
                                         L"layout", L"layout", L"changed C", L"changed e", L"cleared"}));
    EXPECT_EQ(manager.GetSplitterPosition(), 120);
    EXPECT_EQ(manager.GetCommentsWindowHeight(), 80);
}

TEST(PropertyView, TheListHearsWhenItsManagerIsDestroyed)
{
    StandInPropertyPlatform platform;
    RecordingPropertyView view;
    {
        CPropertyManager manager;
        manager.GetImpl().SetList(nullptr, &view);
    }
    EXPECT_EQ(view.calls, std::vector<std::wstring>{L"manager gone"});
}

TEST(PropertyView, TheItemHandleReadsWhatWasWrittenAndAnEmptyOneReadsNothing)
{
    StandInPropertyPlatform platform;
    CPropertyManager manager;
    void* parent = manager.AddEditItem(nullptr, L"p", 9, L"", true);
    CPropertyItem item(manager.AddCustomItem(parent, L"c", 10, L"x", false));
    int data = 0;
    item.SetData(&data);
    item.SetKeyboardDeletable(true);
    item.SetComments(L"about c");
    CPropertyItem copy(item);
    CPropertyItem assigned;
    assigned = copy;
    EXPECT_EQ(assigned.Get(), item.Get());
    EXPECT_EQ(assigned.GetData(), &data);
    EXPECT_EQ(assigned.GetID(), 10u);
    EXPECT_EQ(assigned.GetDisplayName(), L"c");
    EXPECT_EQ(assigned.GetComments(), L"about c");
    EXPECT_TRUE(assigned.IsKeyboardDeletable());
    EXPECT_TRUE(assigned.IsShow());
    EXPECT_FALSE(assigned.IsReadOnly());
    EXPECT_TRUE(CPropertyItem(parent).HasChildren());
    EXPECT_TRUE(CPropertyItem(parent).IsReadOnly());
    EXPECT_FALSE(item.HasChildren());

    CPropertyItem empty;
    empty.SetDisplayName(L"d");
    empty.SetComments(L"c");
    empty.SetModify(true);
    empty.SetReadOnly(true);
    empty.SetKeyboardDeletable(true);
    empty.SetExpand(true);
    empty.SetEnabled(true);
    empty.SetData(&data);
    empty.SetValue(3);
    empty.SetValueByIndex(0);
    empty.SetStrings(std::vector<std::wstring>{L"a"});
    empty.SetStrings(L"a\0");
    empty.SetImageIndex(0);
    int number = 5;
    bool flag = true;
    EXPECT_TRUE(empty.GetName().empty() && empty.GetDisplayName().empty() && empty.GetComments().empty());
    EXPECT_FALSE(empty.IsModified() || empty.IsReadOnly() || empty.IsKeyboardDeletable() ||
                 empty.IsExpand() || empty.IsShow() || empty.IsEnabled() || empty.HasChildren());
    EXPECT_EQ(empty.GetData(), nullptr);
    EXPECT_EQ(empty.GetID(), 0u);
    EXPECT_FALSE(empty.GetValue(number) || empty.GetValue(flag));
    EXPECT_TRUE(empty.GetStrings().empty());
    EXPECT_EQ(empty.GetImageIndex(), 0);
    EXPECT_EQ(empty.GetIndexItem(L"a"), 0);
}

TEST(PropertyView, WithNoPlatformBoundTheModelAnswersPortably)
{
    lumo::IPropertyPlatform const* bound = lumo::BindPropertyPlatform(nullptr);
    lumo::IPropertyPlatform const& platform = lumo::PropertyPlatform();
    EXPECT_LT(platform.CompareNoCase(L"abc", L"ABD"), 0);
    EXPECT_GT(platform.CompareNoCase(L"b", L"A"), 0);
    EXPECT_EQ(platform.CompareNoCase(L"Same", L"sAME"), 0);
    EXPECT_LT(platform.CompareNoCase(L"ab", L"ABC"), 0) << "a prefix first";
    EXPECT_EQ(platform.Translate(L"Image "), L"Image ");
    EXPECT_EQ(platform.ImageCount(StandInPropertyPlatform::ImagesOf(4)), 0);
    EXPECT_EQ(platform.ButtonFaceColor(), 0xF0F0F0u);
    lumo::BindPropertyPlatform(bound);
}
