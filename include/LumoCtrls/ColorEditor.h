// The colour editor: the pop-up through which a colour item of the property list is given a colour.
//
// It shows the web and the standard colour tables on two pages and offers the platform's colour dialog
// through its "Custom" tab. Show returns when the pop-up closes: a picked row or a confirmed custom
// colour confirms; Escape, a click outside the pop-up or closing it does not.
//
//     COLORREF color = current;
//     CColorEditor editor(rowBottom, rowRight, color);
//     editor.Show(listWindow);
//     if (editor.IsConfirmed()) ... color holds the choice
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"

class LUMO_API CColorEditor
{
public:
    class CImpl;

    // y: the bottom of the row the pop-up belongs to, from the anchor's top; x: the right end of that
    // row, from the anchor's left. color: in, the colour shown selected; out, the confirmed colour.
    CColorEditor(int y, int x, COLORREF& color);
    ~CColorEditor();
    CColorEditor(CColorEditor const&) = delete;
    CColorEditor& operator=(CColorEditor const&) = delete;

    // Opens the pop-up below the row of anchor (above it near the screen's bottom) and returns when it
    // has closed.
    void Show(HWND anchor);
    bool IsConfirmed() const;

private:
    CImpl* m_impl;
};
