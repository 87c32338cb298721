// The fonts of one tree grid's styles, shared by description: every paint style that shows the same font
// holds the same handle, so that per-cell fonts cost one handle per distinct font, not one per cell.
#pragma once

#include <windows.h>

#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoCtrls/SharedHandle.h"

#include <map>

namespace lumo
{
class CFontCache
{
public:
    // The font of that description, created when no style holds one yet. Throws CWindowsApiFailed.
    CFont const& Get(FontSpec const& description);

private:
    struct Order
    {
        bool operator()(FontSpec const& a, FontSpec const& b) const;
    };

    // Lets go of the fonts that only the cache still holds, once the cache has doubled since the last time.
    void Prune();

    std::map<FontSpec, CFont, Order> m_fonts;
    std::size_t m_pruneAt = 16;
};
} // namespace lumo
