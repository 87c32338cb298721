#include "LumoControls/DrawTools/ColorState.h"

#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ThemeColors.h"

void lumo::ColorState::Refresh(IVisualStyles& styles)
{
    bool const stylesLoaded = nativeMode == 0 && styles.Load();
    stylesInstalled = 0;
    compositionActive = 0;
    if (stylesLoaded)
        compositionActive = styles.IsCompositionActive();
    hintColor = kHintColor;
    stylesInstalled = 1;
}

lumo::ColorState& lumo::ProcessColorState()
{
    static ColorState state;
    return state;
}

int SetNativeMode(int nativeMode)
{
    int const previous = lumo::ProcessColorState().nativeMode;
    lumo::ProcessColorState().nativeMode = nativeMode;
    return previous;
}

int IsThemeXPInstalled()
{
    return lumo::ProcessColorState().stylesInstalled;
}

int IsAeroVistaActive()
{
    return lumo::ProcessColorState().compositionActive;
}

COLORREF GetHintColor()
{
    return lumo::ProcessColorState().hintColor;
}

// The theme colours are HLS values of one blue hue (143, saturation 240) at three lightnesses.
COLORREF GetThemeColor()
{
    return HLS2RGB(0xF0D78F);
}

COLORREF GetDarkenThemeColor()
{
    return DarkenColor(30, HLS2RGB(0xF0B48F));
}

COLORREF GetLightenThemeColor()
{
    return HLS2RGB(0xF0E38F);
}

void GetSelectionColors(COLORREF& first, COLORREF& second)
{
    first = HLS_TRANSFORM(GetHintColor(), 30, 0);
    second = HLS_TRANSFORM(GetHintColor(), -30, 0);
}

void GetHotColors(COLORREF& first, COLORREF& second)
{
    first = HLS_TRANSFORM(GetHintColor(), 70, 0);
    second = GetHintColor();
}

void GetHotSelectionColors(COLORREF& first, COLORREF& second)
{
    GetSelectionColors(second, first);
}
