// The in-cell controls: one object per float control that has a control kind, made when first needed.
// CControlCore holds what every kind shares (its owner, the text editor window, a combo box's items and
// list); the classes below show it to the host through the interface of its kind.
#pragma once

#include "LumoControls/TreeGrid/w32/TreeGridImpl.h"

#include <memory>
#include <string>
#include <vector>

class CTreeGrid::CImpl::CControlCore
{
public:
    CControlCore(CImpl& grid, lumo::FloatControl& owner, int kind);
    virtual ~CControlCore(); // its editor and list windows go with it
    CControlCore(CControlCore const&) = delete;
    CControlCore& operator=(CControlCore const&) = delete;

    virtual IControl& Self() = 0;
    lumo::FloatControl& Owner() const { return m_owner; }
    int Kind() const { return m_kind; }
    CImpl& Grid() const { return m_grid; }

    // --- What the kinds share (the IControl operations).
    void Open(); // the open request of an activation
    void Click(POINT point);
    void Draw(HDC dc, RECT const& rect);
    bool IsOpen() const { return m_editor != nullptr; }

    // --- The text editor.
    bool EditsText() const; // every kind but image and progress
    void OpenEditor();
    // Closes the editor (commit when modified and the host agrees); false when the host keeps it open.
    bool CloseEditor();
    HWND Editor() const { return m_editor; }
    void PlaceEditor();
    void ShowEditor(bool show);
    RECT ControlRect() const;
    bool IsReadOnly() const;
    void SetSuppressNextOpen() { m_suppressNextOpen = true; }
    void PassBackFocus(); // the editor gives the focus back to the grid
    // The grid forwards the editor's text changes.
    void TextChanged();

    // --- A combo box's list.
    void OpenList();
    void CloseList();
    void Pick(int index);
    HWND List() const { return m_list; }
    // Destroys the editor and list windows without a word to anyone (the grid's window is going).
    void DropWindows() { DestroyWindows(); }

    int width = 0;
    unsigned height = 0;
    bool autoSize = true;
    bool multiLine = false;
    bool readOnly = false;
    std::vector<std::wstring> items;
    int current = -1;
    bool dropDownList = false;

private:
    static LRESULT CALLBACK EditorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT EditorMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void DestroyWindows();
    bool Floating() const { return autoSize && width == 0; }
    void ClickCheckBox();

    // False once the control is gone: a handler may remove the control's row while it is being told.
    std::shared_ptr<bool> Alive() const { return m_alive; }

    CImpl& m_grid;
    lumo::FloatControl& m_owner;
    int m_kind;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    HWND m_editor = nullptr;
    WNDPROC m_editorProcedure = nullptr;
    HWND m_list = nullptr;
    WNDPROC m_listProcedure = nullptr;
    int m_itemHeight = 0;
    bool m_suppressNextOpen = false;
    bool m_suppressNextList = false;
};

// The host's view of a control: the interfaces of its kind over the shared core.
template <class... Interfaces>
class CTreeGrid::CImpl::TControl : public Interfaces..., public CTreeGrid::CImpl::CControlCore
{
public:
    TControl(CImpl& grid, lumo::FloatControl& owner, int kind) : CControlCore(grid, owner, kind) {}

    IControl& Self() override { return *this; }
    IFloatControl* GetOwner() const override { return InterfaceOf(&Owner()); }
    int GetKind() const override { return Kind(); }
    void Open() override { CControlCore::Open(); }
    void Close() override { CloseEditor(); }
    void Draw(HDC dc, RECT const& rect) override { CControlCore::Draw(dc, rect); }
    void Click(POINT const& point) override { CControlCore::Click(point); }
    bool IsOpen() const override { return CControlCore::IsOpen(); }
};

// Every kind that edits a text is an ICustomEdit as well as the interface of its kind.
template <class... Interfaces>
class CTreeGrid::CImpl::TEditControl
    : public CTreeGrid::CImpl::TControl<CTreeGrid::ICustomEdit, Interfaces...>
{
public:
    using TControl<ICustomEdit, Interfaces...>::TControl;
    HWND GetEditorWindow() const override { return this->Editor(); }
    RECT GetControlRect() const override { return this->ControlRect(); }
    void SetSize(int w, unsigned h) override
    {
        this->width = w;
        this->height = h;
    }
    void GetSize(int& w, unsigned& h) const override
    {
        w = this->width;
        h = this->height;
    }
    void SetAutoSize(bool on) override { this->autoSize = on; }
    bool GetAutoSize() const override { return this->autoSize; }
    void ShowEditor(bool show) override { CControlCore::ShowEditor(show); }
    void SetMultiLine(bool on) override { this->multiLine = on; }
    void SetReadOnly(bool on) override { this->readOnly = on; }
};

class CTreeGrid::CImpl::CComboBox final : public CTreeGrid::CImpl::TEditControl<CTreeGrid::IComboBox>
{
public:
    using TEditControl::TEditControl;
    void SetItems(std::vector<std::wstring> const& list, int index) override
    {
        items = list;
        current = index >= 0 && index < static_cast<int>(list.size()) ? index : -1;
    }
    void GetItems(std::vector<std::wstring>& list, int& index) const override
    {
        list = items;
        index = current;
    }
    void SetDropDownList(bool on) override { dropDownList = on; }
    bool IsDropDownList() const override { return dropDownList; }
    HWND GetListWindow() const override { return List(); }
    bool IsListOpen() const override { return List() != nullptr; }
    void OpenList(bool open) override { open ? CControlCore::OpenList() : CloseList(); }
};

class CTreeGrid::CImpl::CCheckButton final : public CTreeGrid::CImpl::TEditControl<CTreeGrid::ICheckButton>
{
public:
    using TEditControl::TEditControl;
    void SetCheck(int value) override { Owner().SetValue(value); }
    int GetCheck() const override { return Owner().GetValue(); }
};

class CTreeGrid::CImpl::CProgress final : public CTreeGrid::CImpl::TControl<CTreeGrid::IProgress>
{
public:
    using TControl::TControl;
    int GetValue() const override { return std::max(0, std::min(100, Owner().GetValue())); }
};
