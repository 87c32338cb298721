#include "LumoControls/DrawTools/DisplayRules.h"

#include "LumoControls/DrawTools/MulDiv.h"

int lumo::FontHeightForPoints(unsigned points, int pixelsPerInch)
{
    return -MulDiv(static_cast<int>(points), pixelsPerInch, 72);
}
