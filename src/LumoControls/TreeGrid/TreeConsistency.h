// A check of everything the tree grid's model points at: the tree's links and counts, the row indices,
// the selection's order, and every object the interaction refers to. It walks the whole model, so it is
// for tests and for hosts hunting a fault, never for a message path.
#pragma once

#include "LumoControls/TreeGrid/TreeModel.h"

#include <string>

namespace lumo
{
// Empty when the model is consistent; otherwise what the first broken rule found.
std::string CheckConsistency(TreeModel& model);
} // namespace lumo
