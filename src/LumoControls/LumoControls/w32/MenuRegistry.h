// The owner-drawn menus of the process: the subclass of each owner window, one menu object per registered
// menu handle, and the state that the menu hook and the menu windows share.
#pragma once

#include <windows.h>

#include "INC/w32/WindowSubclass.h"
#include "LumoCtrls/LibraryMemory.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumo
{
class CMenuObject;

// The subclass of one owner window, shared by every menu registered for it (window property "LumoMenu").
// Its generation tells it apart from every other owner the process ever had, including a later owner of
// the same window or of a window that reuses its handle.
class CMenuOwner : public CLibraryObject
{
public:
    CMenuOwner(HWND window, WNDPROC procedure, unsigned long long generation)
        : m_subclass(window, procedure), m_generation(generation)
    {
    }

    HWND GetWindow() const { return m_subclass.GetWindow(); }
    WNDPROC GetPrevious() const { return m_subclass.GetPrevious(); }
    unsigned long long GetGeneration() const { return m_generation; }
    CWindowSubclass& GetSubclass() { return m_subclass; }

private:
    CWindowSubclass m_subclass;
    unsigned long long m_generation;
};

// One item of a registered menu, by position.
struct CMenuItem : public CLibraryObject
{
    std::wstring text; // empty for a separator
    bool separator = false;
    UINT identifier = 0;
    int position = 0;
    int textWidth = 0;
    bool radio = false;      // MFT_RADIOCHECK
    bool isDefault = false;  // MFS_DEFAULT: measured and drawn bold
    HMENU submenu = nullptr; // the sub-menu it opens, if any
};

class CMenuObject : public CLibraryObject
{
public:
    CMenuObject(CMenuOwner& owner, HMENU menu, bool menuBar);
    ~CMenuObject(); // gives the items and the background back
    CMenuObject(CMenuObject const&) = delete;
    CMenuObject& operator=(CMenuObject const&) = delete;

    CMenuOwner& GetOwner() const { return m_owner; }
    HMENU GetMenu() const { return m_menu; }
    bool IsMenuBar() const { return m_menuBar; }
    int GetImageWidth() const { return m_imageWidth; }
    int GetImageHeight() const { return m_imageHeight; }
    int GetTextWidth() const { return m_textWidth; }
    CMenuItem const* FindItem(UINT identifier) const;

    // Builds the items, or keeps them when the menu has not changed since; then the background.
    void Refresh();
    // Sets the library's background brush again (after a change of the system's colours).
    void ApplyBackground();

private:
    bool ItemsChanged() const;
    void Build();
    void ReleaseItems() noexcept;
    void RestoreBackground() noexcept;

    CMenuOwner& m_owner;
    HMENU m_menu;
    bool m_menuBar;
    std::vector<std::unique_ptr<CMenuItem>> m_items; // by position
    std::map<UINT, CMenuItem*> m_byIdentifier;
    HBRUSH m_background = nullptr;         // the library's brush, null when none is set
    HBRUSH m_previousBackground = nullptr; // the menu's own, given back at the end
    bool m_backgroundTaken = false;
    int m_imageWidth = 16;
    int m_imageHeight = 16;
    int m_textWidth = 0;
};

// --- The process-wide registry

// The subclass of a window, created when it has none. Throws when the window cannot be subclassed.
CMenuOwner& AttachOwner(HWND window);
CMenuOwner* FindOwner(HWND window);
// The owner of that window and generation, if it is still alive.
CMenuOwner* FindOwner(HWND window, unsigned long long generation);
// Unregisters every menu of the owner and removes its subclass. An owner already destroyed (its window
// went first) is ignored, so that holders of an owner may outlive it.
void DestroyOwner(CMenuOwner* owner) noexcept;

// Registers a menu (building or refreshing its object) and then its sub-menus as pop-ups.
CMenuObject& RegisterMenuObject(CMenuOwner& owner, HMENU menu, bool menuBar);
// The object of a menu handle; an object whose handle is no longer a menu is dropped and null returned.
CMenuObject* FindMenuObject(HMENU menu);
// Unregisters a menu and its sub-menus.
void UnregisterMenuObject(HMENU menu) noexcept;
// The registered menu objects of an owner, its menu bar first.
std::vector<CMenuObject*> MenuObjectsOf(CMenuOwner const& owner);

// What the hook, the owners and the menu windows share.
struct MenuTracking
{
    CMenuObject* current = nullptr; // the menu whose pop-up was last initialised
    HMENU waitingPopup = nullptr;   // the pop-up whose menu window is about to appear
    int openMenuWindows = 0;
    int dropWidth = 0; // the selected menu-bar item's width: the gap in the first menu window's frame
};
MenuTracking& Tracking();
} // namespace lumo
