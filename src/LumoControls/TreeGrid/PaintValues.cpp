#include "LumoControls/TreeGrid/PaintValues.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

lumo::PaintValues lumo::ResolvePaint(DrawStyle const& style, VisualState state)
{
    PaintValues values;
    values.bands = style.GetBackgroundColors(state);
    values.direction = style.GetGradientDirection(state);
    values.image = style.GetImage(state);
    values.imageFill = style.GetImageFill(state);
    values.imageAlign = style.GetImageAlign(state);
    values.imageOffset = style.GetImageOffset(state);
    values.crop = style.GetCrop(state);
    unsigned const sides[4] = {kSideLeft, kSideTop, kSideRight, kSideBottom};
    for (int i = 0; i < 4; ++i)
        style.GetRegistry().GetBorderStyle(style.GetBorder(state, sides[i]), values.borders[i]);
    values.radius = style.GetBorderRadius();
    if (Style const* const text = style.AsStyle())
    {
        values.textColor = text->GetTextColor(state);
        values.font = text->GetFont(state);
        values.textIconOffset = text->GetOffsetTextIcon(state);
        values.alignment = text->GetAlignment();
        values.mirror = text->GetMirrorEffect();
    }
    return values;
}

lumo::PaintValues const& lumo::PaintCache::Get(DrawStyle const& style, VisualState state)
{
    auto const key = std::make_pair(&style, state);
    auto found = m_values.find(key);
    if (found == m_values.end())
        found = m_values.emplace(key, ResolvePaint(style, state)).first;
    return found->second;
}
