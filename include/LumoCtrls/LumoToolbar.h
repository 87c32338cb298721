// The library's toolbar: the platform's toolbar with every button painted by the library (gradients by
// state, a hint-coloured frame, drop-down arrows, a pressed look while a button's menu is open), its
// pictures from one bitmap strip with a greyed copy for disabled buttons, and its texts and tooltips
// from the host's string resources.
//
// The toolbar answers its own notifications: a parent window that derives from CToolbarParent routes the
// WM_NOTIFY messages of its registered toolbars back to them. Hosts that keep their own toolbars can use
// the same painting through OnNMToolbarCustomDraw.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"

#include <string>
#include <vector>

// A toolbar that a parent routes notifications to. The operations stand in this order for hosts built
// against this header.
class IToolbarCtrl
{
public:
    virtual CWnd const& GetHandle() const = 0;
    virtual CWnd const& GetTooltipsHandle() const = 0;
    virtual long OnParentNotify(int id, NMHDR* header) = 0;
    virtual std::wstring GetName() const = 0;
    virtual ~IToolbarCtrl() {}
};

class ILumoToolbarCtrl : public IToolbarCtrl
{
};

// The window that holds toolbars.
class IToolbarParent
{
public:
    virtual CWnd const& GetHandle() const = 0;
    virtual void RegisterToolbar(IToolbarCtrl* toolbar) = 0;
    virtual ~IToolbarParent() {}
};

// Routes the parent window's WM_NOTIFY messages to the toolbar they come from. Hosts derive from it and
// give GetHandle their window; the window's user data must be free (0) before the first registration,
// and the window stays subclassed for its lifetime.
class LUMO_API CToolbarParent : public IToolbarParent
{
public:
    CToolbarParent() = default;
    CToolbarParent(CToolbarParent const&) = delete;
    CToolbarParent& operator=(CToolbarParent const&) = delete;

    void RegisterToolbar(IToolbarCtrl* toolbar) override;

private:
    static LRESULT CALLBACK RoutingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // A registered toolbar; library marks the library's own toolbars, which can tell the parent they went.
    struct SRegistration
    {
        IToolbarCtrl* toolbar;
        bool library;
    };

    WNDPROC m_previous = nullptr;
    std::vector<SRegistration> m_toolbars;
};

class LUMO_API CLumoToolbarCtrl : public ILumoToolbarCtrl
{
public:
    explicit CLumoToolbarCtrl(IToolbarParent& parent);
    ~CLumoToolbarCtrl() override;
    CLumoToolbarCtrl(CLumoToolbarCtrl const&) = delete;
    CLumoToolbarCtrl& operator=(CLumoToolbarCtrl const&) = delete;

    // The buttons' texts are the host executable's strings with the buttons' commands (their iString
    // is written back into buttons); bitmapId is the host's 20-pixel picture strip, magenta transparent.
    CWnd& Create(std::vector<TBBUTTON>& buttons, int bitmapId, bool background, bool frame);
    void Destroy();
    void EnableButton(int command, bool enable);
    void ShowButton(int command, bool show);
    void PressButton(int command);
    void ReleaseButton(int command);
    bool IsButtonPressed(int command) const;

    CWnd const& GetHandle() const override;
    CWnd const& GetTooltipsHandle() const override;
    // Tooltip texts and the custom drawing; 0 for anything else.
    long OnParentNotify(int id, NMHDR* header) override;
    std::wstring GetName() const override;

private:
    class CImpl;
    CImpl* m_impl;
};

// Shows a button's drop-down menu with the button drawn pressed while it is open.
LUMO_API BOOL DropDownToolbarMenu(HMENU menu, UINT flags, int x, int y, HWND toolbar, int command);

// The library's painting of a toolbar's NM_CUSTOMDRAW: the answer to return from WM_NOTIFY.
LUMO_API LRESULT OnNMToolbarCustomDraw(NMHDR* header, bool background, bool frame);
// The same in the platform's neutral greys.
LUMO_API LRESULT OnNMToolbarCustomDrawNoLumoInterface(NMHDR* header, bool background, bool frame);
extern "C" LUMO_API LRESULT C_OnNMToolbarCustomDraw(NMHDR* header, int background, int frame);
