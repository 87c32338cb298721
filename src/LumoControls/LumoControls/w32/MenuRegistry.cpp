#include "LumoControls/LumoControls/w32/MenuRegistry.h"

#include "INC/w32/PlatformFailure.h"
#include "LumoControls/LumoControls/MenuPainting.h"
#include "LumoControls/LumoControls/w32/MenuFonts.h"
#include "LumoControls/LumoControls/w32/MenuOwnerProcedure.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LumoControls.h"
#include "LumoCtrls/ResourceTracker.h"

#include <algorithm>
#include <unordered_set>

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoControls";
wchar_t const kOwnerProperty[] = L"LumoMenu";
constexpr int kTextBufferLength = 256;

// The menus of the process by handle. Constructed before the library teardown is registered, so that it
// outlives every other static object; its destruction gives every menu and window back.
class CMenuMap
{
public:
    ~CMenuMap()
    {
        while (!owners.empty())
            lumo::DestroyOwner(*owners.begin());
    }
    std::map<HMENU, lumo::CMenuObject*> objects;
    std::unordered_set<lumo::CMenuOwner*> owners; // every owner alive
};
CMenuMap g_menus __attribute__((init_priority(200)));

lumo::MenuTracking g_tracking;

// GetMenuInfo and SetMenuInfo are looked up at run time: without them menus keep their background.
typedef BOOL(WINAPI* MenuInfoFunction)(HMENU, LPMENUINFO);
MenuInfoFunction MenuInfo(char const* name)
{
    return reinterpret_cast<MenuInfoFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// Measures item texts in the menu font (bold for a default item) on the screen.
class CMenuTextMeasurer : public lumo::IMenuTextMeasurer
{
public:
    int Extent(std::wstring const& text, bool bold) override
    {
        m_screen.Select(lumo::MenuFont(bold));
        return m_screen.GetTextExtentPoint32W(text).cx;
    }

private:
    CScreenDC m_screen;
};

bool ReadItem(HMENU menu, int position, MENUITEMINFOW& info, wchar_t* text)
{
    info = MENUITEMINFOW{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = kTextBufferLength;
    text[0] = L'\0';
    return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) != 0;
}

void SetOwnerDrawn(HMENU menu, int position, UINT type, bool ownerDrawn)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = ownerDrawn ? (type | MFT_OWNERDRAW) : (type & ~static_cast<UINT>(MFT_OWNERDRAW));
    if (!SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && ownerDrawn)
        CWindowsApiFailed::CreateAndThrow(L"SetMenuItemInfo", GetLastError(), kSourcePath, 468);
}
} // namespace

// --- CMenuObject

lumo::CMenuObject::CMenuObject(CMenuOwner& owner, HMENU menu, bool menuBar)
    : m_owner(owner), m_menu(menu), m_menuBar(menuBar)
{
}

lumo::CMenuObject::~CMenuObject()
{
    if (Tracking().current == this)
        Tracking().current = nullptr;
    ReleaseItems();
    RestoreBackground();
}

lumo::CMenuItem const* lumo::CMenuObject::FindItem(UINT identifier) const
{
    auto const it = m_byIdentifier.find(identifier);
    return it != m_byIdentifier.end() ? it->second : nullptr;
}

bool lumo::CMenuObject::ItemsChanged() const
{
    if (GetMenuItemCount(m_menu) != static_cast<int>(m_items.size()))
        return true;
    for (auto const& item : m_items)
    {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE;
        if (!GetMenuItemInfoW(m_menu, static_cast<UINT>(item->position), TRUE, &info) ||
            (info.fType & MFT_OWNERDRAW) == 0 || info.wID != item->identifier)
            return true;
    }
    return false;
}

void lumo::CMenuObject::Build()
{
    m_items.clear();
    m_byIdentifier.clear();
    m_imageWidth = 16;
    m_imageHeight = 16;
    m_textWidth = 0;
    CMenuTextMeasurer measurer;
    int const count = GetMenuItemCount(m_menu);
    for (int position = 0; position < count; ++position)
    {
        MENUITEMINFOW info;
        wchar_t text[kTextBufferLength];
        if (!ReadItem(m_menu, position, info, text))
            CWindowsApiFailed::CreateAndThrow(L"GetMenuItemInfo", GetLastError(), kSourcePath, 443);
        auto item = std::make_unique<CMenuItem>();
        item->separator = (info.fType & MFT_SEPARATOR) != 0;
        item->identifier = info.wID;
        item->position = position;
        item->radio = (info.fType & MFT_RADIOCHECK) != 0;
        item->isDefault = (info.fState & MFS_DEFAULT) != 0;
        item->submenu = info.hSubMenu;
        if (!item->separator)
        {
            item->text = text;
            item->textWidth = MenuItemTextWidth(measurer, item->text, item->isDefault);
            m_textWidth = std::max(m_textWidth, item->textWidth);
        }
        int width = 16, height = 16;
        CLumoControls::GetImageSize(item->identifier, width, height);
        m_imageWidth = std::max(m_imageWidth, width);
        m_imageHeight = std::max(m_imageHeight, height);
        SetOwnerDrawn(m_menu, position, info.fType, true);
        m_byIdentifier.emplace(item->identifier, item.get());
        m_items.push_back(std::move(item));
    }
}

void lumo::CMenuObject::Refresh()
{
    if (m_items.empty() || ItemsChanged())
        Build();
    ApplyBackground();
}

void lumo::CMenuObject::ApplyBackground()
{
    static MenuInfoFunction const getMenuInfo = MenuInfo("GetMenuInfo");
    static MenuInfoFunction const setMenuInfo = MenuInfo("SetMenuInfo");
    if (getMenuInfo == nullptr || setMenuInfo == nullptr)
        return;
    if (!m_backgroundTaken)
    {
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        if (getMenuInfo(m_menu, &info))
            m_previousBackground = info.hbrBack;
        m_backgroundTaken = true;
    }
    COLORREF const color = m_menuBar ? GetThemeColor() : DarkenColor(10, GetSysColor(COLOR_WINDOW));
    HBRUSH const brush = CreateSolidBrush(color);
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = brush;
    setMenuInfo(m_menu, &info);
    if (m_background != nullptr)
        DeleteObject(m_background);
    m_background = brush;
    if (m_menuBar)
        DrawMenuBar(m_owner.GetWindow());
}

void lumo::CMenuObject::RestoreBackground() noexcept
{
    if (!m_backgroundTaken)
        return;
    static MenuInfoFunction const setMenuInfo = MenuInfo("SetMenuInfo");
    if (setMenuInfo != nullptr && IsMenu(m_menu))
    {
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = m_previousBackground != nullptr
                           ? m_previousBackground
                           : GetSysColorBrush(m_menuBar ? COLOR_BTNFACE : COLOR_MENU);
        setMenuInfo(m_menu, &info);
    }
    if (m_background != nullptr)
        DeleteObject(m_background);
    m_background = nullptr;
    m_backgroundTaken = false;
}

void lumo::CMenuObject::ReleaseItems() noexcept
{
    if (IsMenu(m_menu))
        for (auto const& item : m_items)
        {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            if (GetMenuItemInfoW(m_menu, static_cast<UINT>(item->position), TRUE, &info))
                SetOwnerDrawn(m_menu, item->position, info.fType, false);
        }
    m_items.clear();
    m_byIdentifier.clear();
}

// --- The registry

lumo::MenuTracking& lumo::Tracking()
{
    return g_tracking;
}

lumo::CMenuOwner* lumo::FindOwner(HWND window)
{
    return static_cast<CMenuOwner*>(GetPropW(window, kOwnerProperty));
}

lumo::CMenuOwner* lumo::FindOwner(HWND window, unsigned long long generation)
{
    CMenuOwner* const owner = FindOwner(window);
    return owner != nullptr && owner->GetGeneration() == generation ? owner : nullptr;
}

lumo::CMenuOwner& lumo::AttachOwner(HWND window)
{
    if (CMenuOwner* const existing = FindOwner(window))
        return *existing;
    static unsigned long long lastGeneration = 0;
    // On any failure below the owner goes again, and its subclass with it.
    auto owner = std::make_unique<CMenuOwner>(window, &MenuOwnerProcedure, ++lastGeneration);
    g_menus.owners.insert(owner.get());
    if (!SetPropW(window, kOwnerProperty, owner.get()))
    {
        g_menus.owners.erase(owner.get());
        ThrowLastError(L"SetProp", kSourcePath, __LINE__);
    }
    return *owner.release();
}

void lumo::DestroyOwner(CMenuOwner* owner) noexcept
{
    if (owner == nullptr || g_menus.owners.erase(owner) == 0)
        return;
    for (CMenuObject* object : MenuObjectsOf(*owner))
    {
        g_menus.objects.erase(object->GetMenu());
        delete object;
    }
    owner->GetSubclass().Remove();
    RemovePropW(owner->GetWindow(), kOwnerProperty);
    delete owner;
}

lumo::CMenuObject& lumo::RegisterMenuObject(CMenuOwner& owner, HMENU menu, bool menuBar)
{
    CMenuObject* object = FindMenuObject(menu);
    if (object == nullptr)
    {
        // In the map before it is built: setting a menu bar's background recalculates the bar, which asks
        // the owner to measure the items at once.
        object = new CMenuObject(owner, menu, menuBar);
        g_menus.objects.emplace(menu, object);
        try
        {
            object->Refresh();
        }
        catch (...)
        {
            g_menus.objects.erase(menu);
            delete object;
            throw;
        }
    }
    else
        object->Refresh();

    int const count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        if (HMENU const submenu = GetSubMenu(menu, position))
            RegisterMenuObject(owner, submenu, false);
    return *object;
}

lumo::CMenuObject* lumo::FindMenuObject(HMENU menu)
{
    auto const it = g_menus.objects.find(menu);
    if (it == g_menus.objects.end())
        return nullptr;
    if (!IsMenu(menu))
    {
        CMenuObject* const stale = it->second;
        g_menus.objects.erase(it);
        delete stale;
        return nullptr;
    }
    return it->second;
}

void lumo::UnregisterMenuObject(HMENU menu) noexcept
{
    auto const it = g_menus.objects.find(menu);
    if (it == g_menus.objects.end())
        return;
    CMenuObject* const object = it->second;
    g_menus.objects.erase(it);
    if (IsMenu(menu))
    {
        int const count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position)
            if (HMENU const submenu = GetSubMenu(menu, position))
                UnregisterMenuObject(submenu);
    }
    delete object;
}

std::vector<lumo::CMenuObject*> lumo::MenuObjectsOf(CMenuOwner const& owner)
{
    std::vector<CMenuObject*> objects;
    for (auto const& entry : g_menus.objects)
        if (&entry.second->GetOwner() == &owner)
            objects.push_back(entry.second);
    std::stable_partition(objects.begin(), objects.end(), [](CMenuObject* o) { return o->IsMenuBar(); });
    return objects;
}
