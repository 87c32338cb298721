// The resolution of a per-state paint value, shared by every property; the properties differ only in
// the rule they pass.
//
// For a style S, a state s and a property P:
//   1-2. S's paint style for s, and S's ALL paint style (unless s is ALL), in the rule's order;
//   3.   S's control default style, fully resolved;
//   4.   the first, second and third parents: fully resolved, or only their own paint style for s;
//   5.   when the rule says so and s is neither NORMAL nor ALL, the whole resolution again for the
//        fallback state of s.
#pragma once

#include "LumoControls/TreeGrid/DrawStyle.h"
#include "LumoControls/TreeGrid/VisualStates.h"

namespace lumo
{
struct PaintRule
{
    bool allWins;     // the ALL paint style is asked before the state's own
    bool parentsFull; // parents resolve fully, rather than by their own paint style for the state
    bool fallback;    // an unset value is looked up again for the fallback state
};

// The paint style that gives the value, or null when it is unset everywhere. ownSet and allSet say
// whether a paint style holds the value (they differ only for the image offset).
//
// A control default style is resolved without its own control default style: the chain stays as short as
// the parents make it, even when a host links control default styles in a circle (a button styled as a
// check box styled as a button), which then simply shows unset values.
template <class OwnSet, class AllSet>
PaintStyle const* FindPaint(DrawStyle const& style, VisualState state, PaintRule const& rule,
                            OwnSet const& ownSet, AllSet const& allSet, bool followControl = true)
{
    PaintStyle const* const own = style.GetPaintStyle(state);
    PaintStyle const* const all = SlotOf(state) != PaintSlot::All ? style.GetPaintStyle(kStateAll) : nullptr;
    if (rule.allWins && all != nullptr && allSet(*all))
        return all;
    if (own != nullptr && ownSet(*own))
        return own;
    if (!rule.allWins && all != nullptr && allSet(*all))
        return all;

    DrawStyle const* const control = followControl ? style.GetControlDefaultStyle() : nullptr;
    if (control != nullptr && control != &style)
        if (PaintStyle const* found = FindPaint(*control, state, rule, ownSet, allSet, false))
            return found;

    for (int i = 0; i < 3; ++i)
    {
        DrawStyle const* const parent = style.GetParent(i);
        if (parent == nullptr)
            continue;
        if (rule.parentsFull)
        {
            if (PaintStyle const* found = FindPaint(*parent, state, rule, ownSet, allSet, followControl))
                return found;
        }
        else if (PaintStyle const* parentOwn = parent->GetPaintStyle(state);
                 parentOwn != nullptr && ownSet(*parentOwn))
            return parentOwn;
    }

    if (rule.fallback && state != kStateNormal && SlotOf(state) != PaintSlot::All)
        return FindPaint(style, FallbackOf(state), rule, ownSet, allSet, followControl);
    return nullptr;
}
} // namespace lumo
