// The property list window's inner parts: its windows, the rows of the attached manager, the selection,
// the value editor and the divider drag.
#pragma once

#include <windows.h>

#include "INC/w32/WindowSubclass.h"
#include "LumoControls/PropertyList/PropertyManagerImpl.h"
#include "LumoControls/PropertyList/PropertyRows.h"
#include "LumoCtrls/PropertyList.h"
#include "LumoCtrls/Splitter.h"

#include <memory>

namespace lumo
{
constexpr char kPropertyListSourcePath[] = "src/LumoControls/PropertyList/PropertyList";

// The process-wide fonts of every property list (Arial 8 points), made with the list's classes.
HFONT PropertyListFont(bool bold);
// The platform list box that the list's class is made from: its procedure and window bytes.
WNDPROC PropertyListBoxProcedure();
int PropertyListBoxExtraBytes();
} // namespace lumo

class CPropertyListCtrl::CImpl final : public lumo::IPropertyView
{
public:
    static constexpr unsigned STYLE_COLOR = CPropertyManager::STYLE_COLOR;
    static constexpr unsigned STYLE_CATEGORIZED = CPropertyManager::STYLE_CATEGORIZED;
    static constexpr unsigned STYLE_ALPHABETICAL = CPropertyManager::STYLE_ALPHABETICAL;
    static constexpr unsigned STYLE_SHOW_LINES = CPropertyManager::STYLE_SHOW_LINES;
    static constexpr unsigned STYLE_NO_COMMENTS = CPropertyManager::STYLE_NO_COMMENTS;
    static constexpr unsigned STYLE_NO_TOOLBAR = CPropertyManager::STYLE_NO_TOOLBAR;

    // Toolbar buttons and the style bit each stands for.
    static constexpr int kAlphabeticalButton = 50003;
    static constexpr int kCategorizedButton = 50004;
    static constexpr int kShowLinesButton = 50005;
    static constexpr int kDividerId = 667;
    static constexpr int kListId = 1;
    static constexpr int kDividerWeight = 3;
    static constexpr int kDropDownHeight = 120;

    explicit CImpl(CPropertyListCtrl& owner) : m_owner(owner), m_rows(lumo::PropertyPlatform()) {}
    ~CImpl();

    static void RegisterClasses();
    static void UnregisterClasses();

    // The list object of a container window.
    static CImpl* FromContainer(HWND container);

    // --- Life cycle and layout (PropertyList.cpp).
    void Create(HWND parent, unsigned id);
    void Destroy();
    // Lets go of every window; the container is destroyed too unless it is being destroyed already (its
    // parent went first).
    void ReleaseWindows(bool destroyContainer);
    void Attach(CPropertyManager* manager);
    void Layout();
    void SyncToolbar();
    void Reload();
    int ToolbarHeight() const;
    CWnd& Container() { return m_container; }
    CPropertyManager* Manager() const { return m_manager; }
    void Enable(bool enable);
    bool IsEnabled() const { return m_enabled; }

    // --- The manager's changes (PropertyListRows.cpp).
    void ItemAdded(lumo::PropertyRecord& item) override;
    void ItemChanged(lumo::PropertyRecord& item) override;
    void ItemExpanded(lumo::PropertyRecord& item) override;
    void ItemShown(lumo::PropertyRecord& item) override;
    void ItemEnabled(lumo::PropertyRecord& item) override;
    void SelectItem(lumo::PropertyRecord* item, bool edit) override;
    void ItemsCleared() override;
    void StylesChanged(unsigned previousStyles) override;
    void LayoutChanged() override;
    void ManagerDestroyed() override;

    lumo::PropertyRows const& Rows() const { return m_rows; }
    lumo::PropertyRecord* RowItem(int row) const;
    // Selects the row's item (a disabled one is refused); focusEditor gives the editor the focus.
    void SelectRow(int row, bool focusEditor);
    void ToggleExpanded(lumo::PropertyRecord& item);
    int RowHeight() const { return m_rowHeight; }

    // --- Drawing (PropertyListDrawing.cpp).
    void DrawRow(DRAWITEMSTRUCT const& item) const;
    void PaintRows() const;
    void DrawDescription(DRAWITEMSTRUCT const& item) const;
    // A row of the drop-down: an image item's icon before each choice.
    void DrawChoice(DRAWITEMSTRUCT const& item) const;
    COLORREF ItemColor(lumo::PropertyRecord const& item) const;

    // --- The value editor (PropertyListEditor.cpp).
    void LayoutEditor(bool focus);
    void HideEditor();
    // Commits the editor's text when it was modified; the choice index is the editor's.
    void CommitEditor();
    void OpenDropDown();
    void ChooseFromDropDown();
    void CloseDropDown();
    void OnValueButton();
    void OnSpin(int step);
    void CommitValue(lumo::PropertyRecord& item, std::wstring const& text, int choiceIndex);
    HWND Editor() const { return m_editor; }

    // --- The tooltip over names and values too wide for their column (PropertyListTooltip.cpp).
    void CreateTooltip();
    void UpdateTooltip(POINT point);
    void HideTooltip();
    bool SupplyTooltipText(NMHDR* header);

    // --- Input (PropertyListInput.cpp).
    static LRESULT CALLBACK ContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DropDownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnContainerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnEditorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnDropDownMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnListKey(WPARAM key);
    void OnListButtonDown(POINT point, bool doubleClick);
    void ShowContextMenu(POINT point);

    // Whether the list's windows, the attached manager and its items outlived a call into the host: a
    // handler may destroy the list, detach the manager or clear its items before it returns.
    class CAliveCheck
    {
    public:
        explicit CAliveCheck(CImpl const& impl)
            : m_impl(impl), m_windows(impl.m_lifetime), m_manager(impl.m_manager)
        {
            if (m_manager != nullptr)
                m_items = std::make_unique<CPropertyManager::CImpl::CAliveCheck>(m_manager->GetImpl());
        }
        bool Alive() const
        {
            return *m_windows && m_impl.m_manager == m_manager &&
                   (m_items == nullptr || m_items->ItemsAlive());
        }

    private:
        CImpl const& m_impl;
        std::shared_ptr<bool> m_windows;
        CPropertyManager* m_manager;
        std::unique_ptr<CPropertyManager::CImpl::CAliveCheck> m_items;
    };

private:
    void SetRowCount();
    void SyncSelectionRow();
    void ClearRows();
    void CreateChildren();
    void CreateToolbar();
    void CreateEditors();
    void SetDividerX(int x);
    void ShowColorNameVerdict(lumo::PropertyRecord& item);
    void ChooseColor(lumo::PropertyRecord& item);

    CPropertyListCtrl& m_owner;
    CWnd m_container;
    HWND m_toolbar = nullptr;
    HIMAGELIST m_toolbarImages = nullptr;
    HWND m_list = nullptr;
    HWND m_description = nullptr;
    HWND m_editor = nullptr;
    HWND m_spin = nullptr;
    HWND m_button = nullptr;
    HWND m_dropDown = nullptr;
    // A pop-up list box tells its owner how to draw its rows, and a pop-up's owner is a top-level window:
    // the drop-down gets a hidden one of the list's own, that hands the drawing to the list.
    HWND m_dropDownOwner = nullptr;
    HWND m_tooltip = nullptr;
    std::wstring m_tipText;
    int m_rowHeight = 16;
    CSplitter m_divider;
    std::unique_ptr<lumo::CWindowSubclass> m_editorSubclass;
    std::unique_ptr<lumo::CWindowSubclass> m_dropDownSubclass;

    CPropertyManager* m_manager = nullptr;
    lumo::PropertyRows m_rows;
    bool m_enabled = true;
    bool m_draggingDivider = false;
    lumo::PropertyRecord* m_editing = nullptr; // the item the editor is laid out for
    int m_editorChoice = 0;
    bool m_editorVisible = false;
    bool m_committing = false;
    std::shared_ptr<bool> m_lifetime = std::make_shared<bool>(true);
};
