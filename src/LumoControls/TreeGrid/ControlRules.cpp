#include "LumoControls/TreeGrid/ControlRules.h"

#include <algorithm>

int lumo::EffectiveActivation(int kind, int activation)
{
    if (kind == ControlKind::kProgress)
        return 0;
    return activation == 0 ? Activation::kDefault : activation; // a style chain without one: the default
}

bool lumo::OpensEditor(int kind, int activation)
{
    if (kind == 0 || kind == ControlKind::kNone)
        return false;
    int const effective = EffectiveActivation(kind, activation);
    return kind == ControlKind::kComboBox || effective == Activation::kDefault ||
           effective == Activation::kOnFocus || effective == Activation::kOnClick ||
           effective == Activation::kOnDblClick;
}

int lumo::CheckGlyphIndex(int kind, int value, bool disabled, bool hover, bool pressed)
{
    int base = 21; // the drop-down arrow
    if (kind == ControlKind::kRadioButton)
        base = value == 1 ? 5 : 1;
    else if (kind == ControlKind::kCheckBox)
        base = value == 1 ? 13 : value == 2 ? 17 : 9;
    if (disabled)
        return base + 3;
    return base + (hover ? 1 : 0) + (pressed ? 1 : 0);
}

lumo::Rect lumo::ControlPartRect(int kind, Rect const& inner)
{
    switch (kind)
    {
    case ControlKind::kSpin:
    case ControlKind::kLauncher:
    case ControlKind::kComboBox:
        return Rect{std::max(inner.left, inner.right - 16), inner.top, inner.right, inner.bottom};
    case ControlKind::kButton:
    case ControlKind::kLabel:
    case ControlKind::kLink:
    case ControlKind::kImage:
        return inner;
    default:
        return Rect{};
    }
}

int lumo::ListItemHeight(int iconHeight, int textHeight)
{
    int const height = std::max(iconHeight, textHeight);
    return (height + 3) / 4 * 4;
}

int lumo::ListHeight(int itemHeight, int itemCount)
{
    if (itemHeight <= 0)
        return 2;
    return itemHeight * std::min(itemCount, 200 / itemHeight) + 2;
}

lumo::Rect lumo::PlaceEditor(EditorPlacement const& p)
{
    bool const hasText = p.textPart.right > p.textPart.left && p.textPart.bottom > p.textPart.top;
    Rect const base = hasText ? p.textPart : p.inner;
    if (p.fixedSize)
        return Rect{base.left, base.top, base.right, base.bottom + 1};
    if (!p.autoSize)
        return p.rightAligned ? Rect{p.inner.left + 3, base.top, base.right, base.bottom + 1}
                              : Rect{base.left, base.top, p.inner.right - 3, base.bottom + 1};
    // Four pixels more each way than the text: the caret needs its room, or the text scrolls.
    Rect grown = base;
    grown.bottom = std::max(base.bottom, base.top + p.measured.height + 4);
    if (p.rightAligned)
        grown.left = std::min(base.left, base.right - p.measured.width - 4);
    else
        grown.right = std::max(base.right, base.left + p.measured.width + 4);
    return grown;
}

lumo::ProgressPlan lumo::PlanProgress(Rect const& rect, int value, bool mirror)
{
    int const bounded = std::max(0, std::min(100, value));
    Rect const inside{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    int const width = rect.Width() * bounded / 100;
    Rect filled = inside;
    if (mirror)
        filled.left = std::max(inside.left, inside.right - width);
    else
        filled.right = std::min(inside.right, inside.left + width);
    return ProgressPlan{bounded, std::to_wstring(bounded) + L"%", filled};
}
