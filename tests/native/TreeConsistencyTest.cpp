// Random structural changes to a model, each followed by the whole consistency check: the tree's links,
// the row indices, the selection's order and the references the interaction keeps.
#include "native/TreeFixtures.h"

#include "LumoControls/TreeGrid/TreeConsistency.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
using namespace lumo;

TEST(TreeConsistency, HoldsThroughRandomInsertionsRemovalsMovesExpansionsAndSelections)
{
    test::TreeFixture f;
    f.events.present = false;
    TreeColumn& first = f.Column("x");
    f.Column("y");
    f.model.SetTreeColumn(&first);
    auto pick = [&](std::mt19937& random) -> TreeNode*
    {
        std::vector<TreeNode*> live;
        for (TreeNode* n = f.model.GetRoot().GetFirstChild(); n != nullptr; n = n->GetNextInTree())
            live.push_back(n);
        return live.empty() ? nullptr : live[random() % live.size()];
    };
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step)
    {
        TreeNode* const node = pick(random);
        TreeNode* const other = pick(random);
        std::string operation;
        switch (random() % 9)
        {
        case 0:
        case 1:
            operation = "add";
            f.Node("n", random() % 2 != 0 ? node : nullptr);
            break;
        case 2:
            operation = "remove";
            if (node != nullptr)
                f.model.RemoveNode(*node);
            break;
        case 3:
            operation = "move";
            if (node != nullptr && other != nullptr && other != node && !other->IsDescendantOf(*node))
                f.model.MoveNodeTo(*node, other, random() % 2 != 0 ? other->GetFirstChild() : nullptr);
            break;
        case 4:
            operation = "expand";
            if (node != nullptr)
                node->SetExpanded(!node->IsExpanded());
            break;
        case 5:
            operation = "visibility";
            if (node != nullptr)
                node->SetVisible(!node->IsVisible());
            break;
        case 6:
            operation = "height";
            if (node != nullptr)
                node->SetHeight(10 + random() % 30);
            break;
        case 7:
            operation = "select";
            if (node != nullptr)
                f.model.SelectCell(*f.model.CellOf(*node, f.model.GetColumn(random() % 2)));
            break;
        default:
            operation = "index";
            if (node != nullptr && node->IsShown())
                f.model.References().focus = f.model.CellOf(*node, first);
            break;
        }
        ASSERT_EQ(CheckConsistency(f.model), "") << "step " << step << ": " << operation;
    }
}
} // namespace
