// The process-wide colour state and how it is refreshed.
//
// Refreshing asks the platform about its visual-style library through IVisualStyles, so that the rules
// (native mode, which flag when) are the same code in both builds.
#pragma once

#include "LumoCtrls/Types.h"

namespace lumo
{
constexpr COLORREF kHintColor = 0x5BC0FF;

// What refreshing needs to know about the platform's visual styles.
class IVisualStyles
{
public:
    virtual ~IVisualStyles() = default;
    // Loads the visual-style library; false when there is none.
    virtual bool Load() = 0;
    // The library's IsCompositionActive, or 0 when it lacks that function.
    virtual int IsCompositionActive() = 0;
};

struct ColorState
{
    int nativeMode = 0;
    int stylesInstalled = 0;
    int compositionActive = 0;
    COLORREF hintColor = 0;

    // Outside native mode, loads the visual styles and takes their composition flag; then the hint
    // colour and the installed flag are set.
    void Refresh(IVisualStyles& styles);
};

// The one state of the process.
ColorState& ProcessColorState();
} // namespace lumo
