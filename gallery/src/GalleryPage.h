// One page of the gallery: a child window that shows one family of controls at work.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CGalleryPage
{
public:
    virtual ~CGalleryPage() = default;

    // The name in the page list and the file name of the page's screenshot (without ".png").
    virtual wchar_t const* GetTitle() const = 0;
    virtual wchar_t const* GetFileStem() const = 0;

    // Creates the page's window inside the gallery's page area. The default is a plain window that paints
    // through Paint(); pages with live controls create them as its children in OnCreated().
    virtual HWND Create(HWND parent, RECT const& area);

    HWND GetWindow() const { return m_window; }
    // The page was shown, or is about to be hidden: pages with popups of their own open and close them.
    virtual void OnShown() {}
    virtual void OnHidden() {}

protected:
    virtual void OnCreated() {}
    // A child control's WM_NOTIFY to the page.
    virtual LRESULT OnNotify(WPARAM, LPARAM) { return 0; }
    // A child control's WM_COMMAND to the page.
    virtual void OnCommand(WPARAM, LPARAM) {}
    virtual void Paint(HDC dc, RECT const& client) = 0;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

// Every page, in the order of the page list. Each control family adds its page here.
std::vector<std::unique_ptr<CGalleryPage>> CreateGalleryPages();
