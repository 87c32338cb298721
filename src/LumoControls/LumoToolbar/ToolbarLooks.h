// How the library paints a toolbar button: the gradient behind it by state.
#pragma once

namespace lumo
{
// A vertical gradient of saturation 240 from lightness1 at the top to lightness2 at the bottom; none when
// drawn is false.
struct ButtonGradient
{
    bool drawn;
    int hue;
    int lightness1;
    int lightness2;
};

// The first state that applies: a dropped button, a pressed (selected or checked) hot one, a pressed one,
// a hot one; a button in no special state has no background.
ButtonGradient ButtonBackground(bool dropped, bool pressed, bool hot);

// The gradient over the arrow part of a dropped drop-down button.
constexpr ButtonGradient kDroppedArrowGradient{true, 22, 168, 122};

// The hint-coloured frame and separator of buttons with a background.
constexpr unsigned long kButtonFrameColor = 0x3C8CFB;
} // namespace lumo
