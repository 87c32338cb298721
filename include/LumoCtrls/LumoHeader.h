// The title header: a gradient title bar above a pane, with a bold title on the left and an image from
// the image registry on the right. Its "selection" look (warmer colours) marks the pane that has the
// focus.
//
//     CLumoHeader::Register();            // once; Instance does it for hosts that call it
//     CLumoHeader header;
//     header.Create(parent, L"Properties", imageId, 0, 22);
//     header.Resize(RECT{0, 0, paneWidth, 0}); // left, top and width; the height is the header's
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"

#include <string>

class LUMO_API CLumoHeader
{
public:
    CLumoHeader();
    ~CLumoHeader();
    CLumoHeader(CLumoHeader const&) = delete;
    CLumoHeader& operator=(CLumoHeader const&) = delete;

    // The window class "LumoHeaderWnd" and the headers' shared font; registering twice registers once.
    static void Register();
    static void Unregister();

    // A visible child; gradientDirection is DrawGradient2's horizontal argument. Returns the window.
    HWND Create(HWND parent, std::wstring const& title, UINT imageId, int gradientDirection, int height);
    HWND GetHWnd() const;
    std::wstring const& GetTitle() const;
    int GetHeight() const;
    void SetTitle(std::wstring const& title);
    void SetSelectionMode(bool selected);
    void Show(bool show);
    // To rect's left and top, rect.right wide, as high as the header.
    void Resize(RECT const& rect);

private:
    class CImpl;
    CImpl* m_impl;
};
