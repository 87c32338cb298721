// Where a dragged splitter bar proposes to go: the cursor's place along the bar's axis, less half the
// bar's thickness, kept within the parent so that the whole bar stays inside.
#pragma once

namespace lumo
{
// cursor: along the axis, in the parent's client coordinates; parentExtent: the parent's client height
// (a horizontal bar) or width (a vertical bar).
inline int SplitterProposal(int cursor, int weight, int parentExtent)
{
    int const proposed = cursor - weight / 2;
    if (proposed > parentExtent - weight)
        return parentExtent - weight < 0 ? 0 : parentExtent - weight;
    return proposed < 0 ? 0 : proposed;
}
} // namespace lumo
