#include "LumoControls/LumoToolbar/ToolbarLooks.h"

lumo::ButtonGradient lumo::ButtonBackground(bool dropped, bool pressed, bool hot)
{
    if (dropped)
        return {true, 30, 200, 168};
    if (pressed && hot)
        return {true, 22, 168, 122};
    if (pressed)
        return {true, 22, 200, 150};
    if (hot)
        return {true, 30, 200, 168};
    return {false, 0, 0, 0};
}
