// The property model: items, their value texts, lookups, styles and the commit rules, with no list.
#include "LumoControls/PropertyList/ColorEditor/ColorNameCheck.h"
#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/ThemeColors.h"
#include "native/PropertyFixtures.h"

#include <gtest/gtest.h>

namespace
{
lumo::PropertyRecord& RecordOf(void* item)
{
    return *lumo::PropertyRecord::From(item);
}

class PropertyModel : public ::testing::Test
{
protected:
    StandInPropertyPlatform platform;
    CPropertyManager manager;
    void* category = manager.AddCategoryItem(L"General");
};
} // namespace

TEST_F(PropertyModel, BooleanItemsHoldTheirWordsAsReadOnlyChoices)
{
    struct Case
    {
        bool yesNo, value;
        wchar_t const *text, *first, *second;
        int index;
    } const cases[] = {{true, false, L"No", L"No", L"Yes", 0},
                       {true, true, L"Yes", L"No", L"Yes", 1},
                       {false, false, L"False", L"False", L"True", 0},
                       {false, true, L"True", L"False", L"True", 1}};
    for (Case const& c : cases)
    {
        void* added = c.yesNo ? manager.AddYesNoItem(category, L"b", 1, c.value)
                              : manager.AddTrueFalseItem(category, L"b", 1, c.value);
        CPropertyItem item(added);
        EXPECT_EQ(item.GetValue(), c.text);
        EXPECT_EQ(item.GetStrings(), (std::vector<std::wstring>{c.first, c.second}));
        EXPECT_EQ(RecordOf(added).choiceIndex, c.index);
        EXPECT_TRUE(item.IsReadOnly());
        EXPECT_EQ(item.GetType(), CPropertyItem::TYPE_LIST);
        bool parsed = !c.value;
        EXPECT_TRUE(item.GetValue(parsed));
        EXPECT_EQ(parsed, c.value);
    }
}

TEST_F(PropertyModel, ValueTextsReadAsNumbersAndBooleansOnlyInTheirExactForms)
{
    CPropertyItem item(manager.AddEditItem(category, L"n", 1, L"", false));
    struct IntCase
    {
        wchar_t const* text;
        bool ok;
        int value;
    } const numbers[] = {
        {L"-12", true, -12}, {L"+7", true, 7},  {L"1 2", false, 99}, {L"", false, 99},
        {L"12a", false, 99}, {L"1-2", true, 1}, {L"--5", true, 0},   {L"99999999999", true, 2147483647}};
    for (IntCase const& c : numbers)
    {
        item.SetValue(c.text);
        int value = 99;
        EXPECT_EQ(item.GetValue(value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    for (wchar_t const* text : {L"true", L"yes", L"", L"1", L"TRUE"})
    {
        item.SetValue(text);
        bool value = true;
        EXPECT_FALSE(item.GetValue(value)) << text;
        EXPECT_TRUE(value) << "left alone";
    }
    item.SetValue(-40);
    EXPECT_EQ(item.GetValue(), L"-40");
}

TEST_F(PropertyModel, ColourItemsStoreColourNamesAndKeepHostReferences)
{
    CPropertyItem item(manager.AddColorItem(category, L"c", 1, COLORREF{0x0000FF}));
    EXPECT_EQ(item.GetValue(), L"Red");
    EXPECT_EQ(RecordOf(item).initialValue, L"Red");
    struct Case
    {
        wchar_t const *text, *stored, *lastValid;
    } const cases[] = {{L"blue", L"Blue", L"Blue"},
                       {L"<ZUDIZE:7>", L"<ZUDIZE:7>", L"Blue"},
                       {L"no such colour", L"no such colour", L"Blue"},
                       {L"255, 0, 0", L"Red", L"Red"}};
    for (Case const& c : cases)
    {
        item.SetValue(c.text);
        EXPECT_EQ(item.GetValue(), c.stored) << c.text;
        EXPECT_EQ(RecordOf(item).lastValidValue, c.lastValid) << c.text;
    }
    CPropertyItem byName(manager.AddColorItem(category, L"d", 2, L"teal"));
    EXPECT_EQ(byName.GetValue(), L"teal") << "added as given";
}

TEST_F(PropertyModel, ImageItemsNumberTheirChoicesAndMapIndicesThroughNone)
{
    platform.translations[L"Image "] = L"Bild ";
    CPropertyItem withNone(
        manager.AddImageItemWithNone(category, L"i", StandInPropertyPlatform::ImagesOf(3), 1, L"None"));
    EXPECT_EQ(withNone.GetStrings(), (std::vector<std::wstring>{L"None", L"Bild 0", L"Bild 1", L"Bild 2"}));
    EXPECT_EQ(withNone.GetImageIndex(), -2);
    struct Case
    {
        int set;
        wchar_t const* value;
        int index;
    } const cases[] = {{0, L"Bild 0", 0}, {2, L"Bild 2", 2}, {3, L"None", -2}, {-1, L"None", -2}};
    for (Case const& c : cases)
    {
        withNone.SetImageIndex(c.set);
        EXPECT_EQ(withNone.GetValue(), c.value) << c.set;
        EXPECT_EQ(withNone.GetImageIndex(), c.index) << c.set;
    }
    CPropertyItem plain(
        manager.AddImageItem(category, L"j", StandInPropertyPlatform::ImagesOf(2), 2, L"Bild 1"));
    EXPECT_EQ(plain.GetStrings().size(), 2u);
    EXPECT_EQ(plain.GetImageIndex(), 1);
}

TEST_F(PropertyModel, ChoicesComeFromVectorsAndBuffersAndIndexTheValue)
{
    CPropertyItem item(manager.AddListItem(category, L"l", L"a\0b\0c\0", 1, L"b"));
    EXPECT_EQ(item.GetStrings(), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(RecordOf(item).choiceIndex, 1);
    EXPECT_EQ(item.GetIndexItem(L"c"), 2);
    EXPECT_EQ(item.GetIndexItem(L"zz"), 0);
    item.SetValueByIndex(2);
    EXPECT_EQ(item.GetValue(), L"c");
    item.SetValueByIndex(3);
    EXPECT_EQ(item.GetValue(), L"c") << "past the choices: ignored";
    item.SetStrings(std::vector<std::wstring>{L"x", L"c"});
    EXPECT_EQ(RecordOf(item).choiceIndex, 1) << "recomputed for the new choices";
    item.SetStrings(static_cast<wchar_t const*>(nullptr));
    EXPECT_TRUE(item.GetStrings().empty());
    EXPECT_EQ(item.GetValue(), L"c");
}

TEST_F(PropertyModel, LookupsKeepItemsAndCategoriesApart)
{
    void* item = manager.AddEditItem(category, L"General", 5, L"", false);
    void* second = manager.AddEditItem(category, L"General", 5, L"", false);
    EXPECT_EQ(manager.FindItem(L"General"), item);
    EXPECT_EQ(manager.FindCategory(L"General"), category);
    EXPECT_EQ(manager.FindItem(5u), item);
    EXPECT_EQ(manager.FindItem(0u), nullptr) << "categories carry no identifier";
    EXPECT_EQ(manager.FindCategory(L"general"), nullptr);
    void* other = manager.AddCategoryItem(L"Other");
    std::vector<void*> categories{item};
    manager.GetAllCategories(categories);
    EXPECT_EQ(categories, (std::vector<void*>{category, other}));
    EXPECT_EQ(manager.size(), 4);
    EXPECT_EQ(manager.GetProperty(2), second);
    EXPECT_THROW(manager.GetProperty(4), CRuntimeError);
    EXPECT_THROW(manager.GetProperty(-1), CRuntimeError);
    manager.ClearItems();
    EXPECT_EQ(manager.size(), 0);
    EXPECT_EQ(manager.FindItem(5u), nullptr);
}

TEST_F(PropertyModel, StylesAndColours)
{
    EXPECT_TRUE(manager.IsStyleSet(3));
    manager.SetStyleOff(1);
    EXPECT_FALSE(manager.IsStyleSet(6)) << "only 2 of the two bits is set";
    EXPECT_EQ(manager.GetColor(), 0x00C8D0D4u) << "button face without the colour style";
    manager.SetStyleOn(5);
    EXPECT_TRUE(manager.IsStyleSet(6));
    EXPECT_EQ(manager.GetColor(), GetThemeColor());
    manager.SetColor(0x123456);
    EXPECT_EQ(manager.GetColor(), 0x123456u);
}

TEST_F(PropertyModel, DisablingReachesEveryDescendantAndDropsTheSelection)
{
    void* parent = manager.AddEditItem(category, L"p", 1, L"", false);
    void* child = manager.AddEditItem(parent, L"c", 2, L"", false);
    void* grandchild = manager.AddEditItem(child, L"g", 3, L"", false);
    void* sibling = manager.AddEditItem(category, L"s", 4, L"", false);
    manager.SelectItem(grandchild, false);
    EXPECT_EQ(manager.GetSelectedItem(), grandchild);
    CPropertyItem(parent).SetEnabled(false);
    EXPECT_FALSE(CPropertyItem(grandchild).IsEnabled());
    EXPECT_TRUE(CPropertyItem(sibling).IsEnabled());
    EXPECT_EQ(manager.GetSelectedItem(), nullptr);
    manager.SelectItem(child, false);
    EXPECT_EQ(manager.GetSelectedItem(), nullptr) << "a disabled item is not selected";
    EXPECT_EQ(RecordOf(grandchild).depth, 3);
}

namespace
{
class ScriptedHandler : public CPropertyManager::IEventsHandler
{
public:
    std::function<bool(void*, std::wstring&)> changing = [](void*, std::wstring&) { return true; };
    std::vector<void*> changed;
    bool OnValueChanging(void* item, std::wstring& value, int) override { return changing(item, value); }
    void OnValueChanged(void* item) override { changed.push_back(item); }
};
} // namespace

TEST_F(PropertyModel, ACommitAsksTheHandlerWhichMayRefuseOrRewrite)
{
    ScriptedHandler handler;
    manager.SetEventsHandler(&handler);
    void* item = manager.AddEditItem(category, L"e", 1, L"old", false);
    auto& impl = manager.GetImpl();
    EXPECT_FALSE(impl.CommitUserValue(RecordOf(item), L"old", 0)) << "unchanged text";
    handler.changing = [](void*, std::wstring&) { return false; };
    EXPECT_FALSE(impl.CommitUserValue(RecordOf(item), L"new", 0));
    EXPECT_EQ(RecordOf(item).value, L"old");
    EXPECT_FALSE(RecordOf(item).modified);
    handler.changing = [](void*, std::wstring& value)
    {
        value += L"!";
        return true;
    };
    EXPECT_TRUE(impl.CommitUserValue(RecordOf(item), L"new", 3));
    EXPECT_EQ(RecordOf(item).value, L"new!");
    EXPECT_EQ(RecordOf(item).choiceIndex, 3);
    EXPECT_TRUE(RecordOf(item).modified);
    EXPECT_EQ(handler.changed, std::vector<void*>{item});

    void* color = manager.AddColorItem(category, L"c", 2, L"Red");
    EXPECT_TRUE(impl.CommitUserValue(RecordOf(color), L"Red", 0)) << "colour items commit even unchanged";

    handler.changing = [this](void*, std::wstring&)
    {
        manager.ClearItems();
        return true;
    };
    EXPECT_FALSE(impl.CommitUserValue(RecordOf(manager.AddEditItem(nullptr, L"x", 3, L"", false)), L"y", 0));
    EXPECT_EQ(manager.size(), 0);
}

TEST_F(PropertyModel, WithoutAHandlerAUserCommitIsStored)
{
    void* item = manager.AddEditItem(category, L"e", 1, L"old", false);
    EXPECT_TRUE(manager.GetImpl().CommitUserValue(RecordOf(item), L"new", 0));
    EXPECT_EQ(RecordOf(item).value, L"new");
}

TEST_F(PropertyModel, ResetEmptiesEveryValueAndModifiedFlag)
{
    CPropertyItem item(manager.AddListItem(category, L"l", std::vector<std::wstring>{L"a", L"b"}, 1, L"b"));
    item.SetModify(true);
    manager.ResetItemsValue();
    EXPECT_EQ(item.GetValue(), L"");
    EXPECT_EQ(RecordOf(item).choiceIndex, 0);
    EXPECT_FALSE(item.IsModified());
}

TEST_F(PropertyModel, AnEmptyHandleAnswersLikeALookupThatFoundNothing)
{
    CPropertyItem item;
    item.SetValue(L"x");
    EXPECT_EQ(item.GetValue(), L"");
    EXPECT_EQ(item.GetType(), CPropertyItem::TYPE_NONE);
    EXPECT_EQ(item = category, 0);
    EXPECT_EQ(item.GetName(), L"General");
    EXPECT_TRUE(item.IsExpand());
}

TEST(ColorNameCheck, NamesAreNormalisedAndUnknownTextsGiveWayToTheLastValidName)
{
    StandInPropertyPlatform platform;
    CPropertyManager manager;
    auto& item = RecordOf(manager.AddColorItem(nullptr, L"c", 1, L"Blue"));
    struct Case
    {
        wchar_t const* typed;
        bool rejected;
        wchar_t const* value;
        bool modified;
    } const cases[] = {{L"blue", false, L"Blue", false},
                       {L"red", false, L"Red", true},
                       {L"nonsense", true, L"Red", true},
                       {L"<ZUDIZE:1>", false, L"<ZUDIZE:1>", true},
                       {L"Blue", false, L"Blue", true}};
    for (Case const& c : cases)
    {
        item.value = c.typed;
        lumo::ColorNameVerdict const verdict = lumo::CheckColorName(item);
        EXPECT_EQ(verdict.rejected, c.rejected) << c.typed;
        EXPECT_EQ(verdict.rejectedText, c.rejected ? c.typed : L"") << c.typed;
        EXPECT_EQ(item.value, c.value) << c.typed;
        EXPECT_EQ(item.modified, c.modified) << c.typed << ": stays marked once it was";
    }
}
