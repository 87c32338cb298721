// Which items of a property manager get rows, and in which order.
#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "LumoControls/PropertyList/PropertyRows.h"
#include "native/PropertyFixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
class PropertyRowOrder : public ::testing::Test
{
protected:
    StandInPropertyPlatform platform;
    CPropertyManager manager;
    lumo::PropertyRows rows{platform};

    void* Add(void* parent, wchar_t const* name) { return manager.AddEditItem(parent, name, 0, L"", false); }

    // The rows as "name" lines, and a check that every record's row field matches its position.
    std::vector<std::wstring> Shown() const
    {
        std::vector<std::wstring> names;
        for (lumo::PropertyRecord* row : rows.Rows())
        {
            EXPECT_EQ(row->row, static_cast<int>(names.size())) << "row field of " << row->name.c_str();
            names.push_back(row->name);
        }
        return names;
    }
    void Build(unsigned styles) { rows.Build(manager.GetImpl().Items(), styles); }
};

using Names = std::vector<std::wstring>;
} // namespace

TEST_F(PropertyRowOrder, CategoriesLeadTheirItemsOnlyInCategorizedMode)
{
    void* b = manager.AddCategoryItem(L"B");
    void* a = manager.AddCategoryItem(L"a");
    Add(b, L"z");
    void* y = Add(a, L"y");
    Add(y, L"x2");
    Add(y, L"X1");
    Add(b, L"w");
    Add(nullptr, L"loose");
    manager.ExpandItem(y, true);

    Build(2);
    EXPECT_EQ(Shown(), (Names{L"B", L"z", L"w", L"a", L"y", L"x2", L"X1", L"loose"}));
    Build(2 | 4);
    EXPECT_EQ(Shown(), (Names{L"a", L"y", L"X1", L"x2", L"B", L"w", L"z", L"loose"}));
    Build(0);
    EXPECT_EQ(Shown(), (Names{L"z", L"y", L"x2", L"X1", L"w"})) << "items of all categories in adding order";
    Build(4);
    EXPECT_EQ(Shown(), (Names{L"w", L"y", L"X1", L"x2", L"z"}));
    EXPECT_EQ(lumo::PropertyRecord::From(a)->row, -1);
}

TEST_F(PropertyRowOrder, CollapsingHidingAndShowingMoveWholeSubtrees)
{
    void* c = manager.AddCategoryItem(L"C");
    void* p = Add(c, L"p");
    Add(p, L"child");
    Add(c, L"q");
    auto& impl = manager.GetImpl();
    auto& parent = *lumo::PropertyRecord::From(p);
    Build(2);
    EXPECT_EQ(Shown(), (Names{L"C", L"p", L"q"})) << "items start collapsed";

    impl.SetExpanded(parent, true);
    EXPECT_EQ(rows.InsertDescendants(parent, 2), 1);
    EXPECT_EQ(Shown(), (Names{L"C", L"p", L"child", L"q"}));
    EXPECT_EQ(rows.InsertDescendants(parent, 2), 0) << "already there";

    impl.SetShown(parent, false);
    EXPECT_EQ(rows.RemoveItem(parent), 2);
    EXPECT_EQ(Shown(), (Names{L"C", L"q"}));
    impl.SetShown(parent, true);
    EXPECT_EQ(rows.InsertItem(parent, 2), 1);
    EXPECT_EQ(Shown(), (Names{L"C", L"p", L"child", L"q"}));

    impl.SetExpanded(*lumo::PropertyRecord::From(c), false);
    EXPECT_EQ(rows.RemoveDescendants(*lumo::PropertyRecord::From(c)), 3);
    EXPECT_EQ(Shown(), (Names{L"C"}));
    EXPECT_EQ(rows.InsertItem(*lumo::PropertyRecord::From(Add(c, L"late")), 2), -1)
        << "under a collapsed category";
}

// Rows added one by one as items arrive must end where a build from scratch puts them.
TEST_F(PropertyRowOrder, InsertingItemsOneByOneMatchesBuildingAtOnce)
{
    std::mt19937 random(7);
    for (unsigned styles : {0u, 2u, 4u, 6u})
    {
        rows.Clear(); // before the records go, as the list does
        manager.ClearItems();
        std::vector<void*> parents{nullptr};
        for (int i = 0; i < 200; ++i)
        {
            void* parent = parents[random() % parents.size()];
            std::wstring const name(1, static_cast<wchar_t>((random() % 2 ? L'a' : L'A') + random() % 5));
            void* item = parent == nullptr ? manager.AddCategoryItem(name) : Add(parent, name.c_str());
            auto& record = *lumo::PropertyRecord::From(item);
            record.expanded = random() % 4 != 0;
            record.show = random() % 8 != 0;
            parents.push_back(item);
            rows.InsertItem(record, styles);
        }
        Names const incremental = Shown();
        Build(styles);
        EXPECT_EQ(incremental, Shown()) << "styles " << styles;
    }
}
