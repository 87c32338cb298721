// The colour editor's inner parts: the pop-up with its own message loop, and its two pages of named
// colours.
#pragma once

#include <windows.h>

#include "LumoCtrls/ColorEditor.h"
#include "LumoCtrls/ColorNames.h"

#include <memory>
#include <optional>
#include <vector>

class CColorEditor::CImpl
{
public:
    class IDlgTemplate;
    class CColorTablePage;
    class CWebColorDlgTemplate;
    class CStandardColorDlgTemplate;

    CImpl(int y, int x, COLORREF& color) : m_y(y), m_x(x), m_color(color), m_openedColor(color) {}
    CImpl(CImpl const&) = delete;
    CImpl& operator=(CImpl const&) = delete;

    void Show(HWND anchor);
    bool IsConfirmed() const { return m_confirmed; }

    // The editor's window class, registered on first use; the library's teardown removes it.
    static void UnregisterClass();

private:
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    void PlaceUnderTheRow();
    void InsertTabs();
    void ShowPage(int tab);
    void OnTabChanging();
    void OnTabChanged();
    void ChooseCustomColor();
    // Handles what the pop-up's loop must see before dispatching; true when the message is done with.
    bool Intercept(MSG const& message);
    bool IsPopupWindow(HWND window) const;
    IDlgTemplate* CurrentPage() const;
    std::optional<COLORREF>& LastColorOf(int tab) { return tab == 1 ? m_lastWebColor : m_lastStandardColor; }
    void End(bool confirmed, COLORREF color);

    HWND m_dialog = nullptr;
    HWND m_anchor = nullptr;
    int m_y;
    int m_x;
    COLORREF& m_color;
    COLORREF const m_openedColor;
    HWND m_tabs = nullptr;
    std::vector<std::shared_ptr<IDlgTemplate>> m_pages;
    int m_currentTab = 1;
    // The colour of the row selected on each page when the user last left it; none before.
    std::optional<COLORREF> m_lastWebColor;
    std::optional<COLORREF> m_lastStandardColor;
    bool m_confirmed = false;
    bool m_ended = false;
    bool m_hostQuit = false; // a quit message of the host's arrived during the loop
    WPARAM m_hostQuitCode = 0;
};

// A page of the pop-up: a child dialog holding one owner-drawn list of named colours.
class CColorEditor::CImpl::IDlgTemplate
{
public:
    virtual ~IDlgTemplate() = default;
    virtual void Create(HWND popup) = 0;
    virtual void Destroy() = 0;
    virtual void Fill() = 0;
    virtual void ScrollToTop() = 0;
    virtual void LoadTemplate() = 0;
    virtual HWND GetWindow() const = 0;
    virtual HWND GetList() const = 0;
    virtual CImpl& GetEditor() const = 0;
    // The first row with that colour, or -1.
    virtual int Find(COLORREF color) const = 0;
    // The selected row, or -1.
    virtual int GetSelected() const = 0;
    virtual void Select(int row) = 0;
};

// The two pages differ only in their table and in the words of their failure messages.
class CColorEditor::CImpl::CColorTablePage : public IDlgTemplate
{
public:
    void Create(HWND popup) override;
    void Destroy() override;
    void Fill() override;
    void ScrollToTop() override;
    void LoadTemplate() override;
    HWND GetWindow() const override { return m_window; }
    HWND GetList() const override { return m_list; }
    CImpl& GetEditor() const override { return m_editor; }
    int Find(COLORREF color) const override;
    int GetSelected() const override;
    void Select(int row) override;

    // The colour of a row of the table (-1: none).
    COLORREF ColorOf(int row) const;

protected:
    typedef SNamedColor const* (*TableGetter)(std::size_t& count);

    CColorTablePage(CImpl& editor, TableGetter table, wchar_t const* createCall, wchar_t const* loadCall,
                    wchar_t const* lockCall)
        : m_editor(editor), m_table(table(m_count)), m_createCall(createCall), m_loadCall(loadCall),
          m_lockCall(lockCall)
    {
    }

private:
    static INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    void DrawRow(DRAWITEMSTRUCT const& item) const;

    CImpl& m_editor;
    std::size_t m_count = 0;
    SNamedColor const* m_table;
    wchar_t const* m_createCall;
    wchar_t const* m_loadCall;
    wchar_t const* m_lockCall;
    DLGTEMPLATE const* m_template = nullptr;
    HWND m_window = nullptr;
    HWND m_list = nullptr;
};

class CColorEditor::CImpl::CWebColorDlgTemplate : public CColorTablePage
{
public:
    explicit CWebColorDlgTemplate(CImpl& editor);
};

class CColorEditor::CImpl::CStandardColorDlgTemplate : public CColorTablePage
{
public:
    explicit CStandardColorDlgTemplate(CImpl& editor);
};
