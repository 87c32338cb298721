// The property model: named, typed properties in categories, with their values as text.
//
// A CPropertyManager owns its items; the host refers to an item by its opaque pointer (void*), which a
// CPropertyItem wraps to read and write one property. The manager works on its own; shown in a property
// list window, every change made here appears there at once, and the user's changes come back through the
// manager's IEventsHandler.
//
//     CPropertyManager manager;
//     void* general = manager.AddCategoryItem(L"General");
//     CPropertyItem width = manager.AddEditItem(general, L"Width", 1, L"120", false);
//     int value = 0;
//     if (width.GetValue(value)) ...
//
// This header includes no Windows header: the model is shared with the portable core.
#pragma once

#include "LumoCtrls/Export.h"
#include "LumoCtrls/Types.h"

#include <string>
#include <vector>

// The platform's image-list handle, spelt as <commctrl.h> spells it.
struct _IMAGELIST;
typedef struct _IMAGELIST* HIMAGELIST;

class CPropertyListCtrl;

// A handle to one item of a manager. It owns one heap cell holding the item pointer; destroying the handle
// frees the cell, never the item. An empty handle (no item) answers every query with an empty or zero
// result and ignores every change, as a lookup that found nothing would.
class LUMO_API CPropertyItem
{
public:
    // The item kinds (GetType).
    enum EType : unsigned short
    {
        TYPE_CATEGORY = 0,
        TYPE_EDIT = 1,
        TYPE_LIST = 2,
        TYPE_CUSTOM = 3,
        TYPE_COLOR = 4,
        TYPE_IMAGE = 5,
        TYPE_NONE = 0xFFFF,
    };

    CPropertyItem();
    CPropertyItem(void* const& item);
    CPropertyItem(CPropertyItem const& other);
    CPropertyItem& operator=(CPropertyItem const& other);
    ~CPropertyItem();

    operator void*() const { return *m_cell; }
    void* Get() const { return *m_cell; }
    // Re-points the handle; returns 0.
    int operator=(void* item);

    std::wstring GetName() const;
    std::wstring GetDisplayName() const;
    void SetDisplayName(std::wstring const& text);
    std::wstring GetComments() const;
    void SetComments(std::wstring const& text);
    unsigned short GetType() const;
    unsigned GetID() const;
    bool IsModified() const;
    void SetModify(bool modified);
    bool IsReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool IsKeyboardDeletable() const;
    void SetKeyboardDeletable(bool deletable);
    bool IsExpand() const;
    void SetExpand(bool expand);
    bool IsShow() const;
    bool IsEnabled() const;
    // Also enables or disables every descendant.
    void SetEnabled(bool enabled);
    bool HasChildren() const;
    void* GetData() const;
    void SetData(void* data);

    std::wstring GetValue() const;
    // True with the value as a number when it is non-empty and made of decimal digits, "+" and "-" only.
    bool GetValue(int& value) const;
    // "Yes" and "True" are true, "No" and "False" false (exact case); any other text returns false and
    // leaves value alone.
    bool GetValue(bool& value) const;
    // Colour items keep a "<ZUDIZE:" reference as it is and store a colour's own name for any other text
    // that names a colour.
    void SetValue(std::wstring const& value);
    void SetValue(int value);
    // The value becomes that choice; an index past the choices is ignored.
    void SetValueByIndex(unsigned index);
    std::vector<std::wstring> const& GetStrings() const;
    void SetStrings(std::vector<std::wstring> const& choices);
    // Zero-terminated texts ending with an empty one. Clears the choices first; null leaves them empty.
    void SetStrings(wchar_t const* choices);
    // Image items: 0 to the image count - 1 chooses that image, anything else "None".
    void SetImageIndex(int index);
    // The choice index; for an image item with "None" first, -2 for "None" and otherwise the image number.
    int GetImageIndex() const;
    // The index of the first choice equal to text, 0 when there is none.
    int GetIndexItem(std::wstring const& text) const;

private:
    void** m_cell;
};

class LUMO_API CPropertyManager
{
public:
    class IEventsHandler;
    class CImpl;

    // Style bits (SetStyle and friends).
    enum EStyle : unsigned
    {
        STYLE_COLOR = 1,        // rows in the manager's colour; the "Show Lines" button is shown
        STYLE_CATEGORIZED = 2,  // categories shown with their items below them
        STYLE_ALPHABETICAL = 4, // siblings ordered by display name, ignoring case
        STYLE_SHOW_LINES = 8,   // lines between the rows
        STYLE_NO_COMMENTS = 16, // the description pane is hidden
        STYLE_NO_TOOLBAR = 32,  // the toolbar is hidden
    };

    CPropertyManager();
    ~CPropertyManager();
    CPropertyManager(CPropertyManager const&) = delete;
    CPropertyManager& operator=(CPropertyManager const&) = delete;

    // A null handler accepts every change and answers every query with its default.
    IEventsHandler* GetEventsHandler() const;
    void SetEventsHandler(IEventsHandler* handler);

    void SetStyle(unsigned bits, bool on);
    void SetStyleOn(unsigned bits) { SetStyle(bits, true); }
    void SetStyleOff(unsigned bits) { SetStyle(bits, false); }
    // True when every given bit is set.
    bool IsStyleSet(unsigned bits) const;

    // Without STYLE_COLOR the button-face colour; with it the colour set here, or the theme colour.
    COLORREF GetColor() const;
    void SetColor(COLORREF color);
    int GetSplitterPosition() const;
    void SetSplitterPosition(int x);
    int GetCommentsWindowHeight() const;
    void SetCommentsWindowHeight(int height);

    // --- Adding. parent may be null (a top-level item); otherwise the item becomes its last child.
    void* AddCategoryItem(std::wstring const& name);
    void* AddEditItem(void* parent, std::wstring const& name, unsigned id, std::wstring const& value,
                      bool readOnly);
    // The value's button is the host's to handle (IEventsHandler::OnItemButtonClick).
    void* AddCustomItem(void* parent, std::wstring const& name, unsigned id, std::wstring const& value,
                        bool readOnly);
    void* AddListItem(void* parent, std::wstring const& name, std::vector<std::wstring> const& choices,
                      unsigned id, std::wstring const& value);
    // choices: zero-terminated texts ending with an empty text (null: none).
    void* AddListItem(void* parent, std::wstring const& name, wchar_t const* choices, unsigned id,
                      std::wstring const& value);
    void* AddTrueFalseItem(void* parent, std::wstring const& name, unsigned id, bool value);
    void* AddYesNoItem(void* parent, std::wstring const& name, unsigned id, bool value);
    void* AddColorItem(void* parent, std::wstring const& name, unsigned id, std::wstring const& colorName);
    void* AddColorItem(void* parent, std::wstring const& name, unsigned id, COLORREF color);
    // One choice per image of the list: "Image 0", "Image 1", ...
    void* AddImageItem(void* parent, std::wstring const& name, HIMAGELIST images, unsigned id,
                       std::wstring const& value);
    // As AddImageItem, with "None" as an additional first choice.
    void* AddImageItemWithNone(void* parent, std::wstring const& name, HIMAGELIST images, unsigned id,
                               std::wstring const& value);

    // --- Finding: null when there is none. Items are never categories and categories never items.
    void* FindItem(std::wstring const& name) const;
    void* FindItem(unsigned id) const;
    void* FindCategory(std::wstring const& name) const;
    // Items (categories included) in adding order; an index past the end throws CRuntimeError 0.
    int size() const;
    void* GetProperty(int index) const;
    void GetAllCategories(std::vector<void*>& categories) const;
    void* GetSelectedItem() const;

    // --- Changing, shown at once by an attached list. Items of another manager are ignored.
    void SetItemComments(void* item, std::wstring const& text);
    void SetItemDisplayName(void* item, std::wstring const& text);
    void ExpandItem(void* item, bool expand);
    void ShowItem(void* item, bool show);
    // A disabled item is not selected; edit gives the value's editor the focus.
    void SelectItem(void* item, bool edit);
    void RedrawItem(void* item);
    // Every value empty, every choice index 0, nothing modified.
    void ResetItemsValue();
    // Frees every item and clears the selection.
    void ClearItems();

    // Shows the manager in a list window (null: in none), as CPropertyListCtrl::operator= does.
    void AttachInterface(CPropertyListCtrl* list);

    CImpl& GetImpl() const { return *m_impl; }

private:
    CImpl* m_impl;
};

// The host's callbacks, in this order for hosts built against this header. Items are the opaque item
// pointers. Every operation has the default that a manager without a handler uses.
class CPropertyManager::IEventsHandler
{
public:
    // The user committed a new value; true accepts it, and the handler may rewrite it.
    virtual bool OnValueChanging(void* /*item*/, std::wstring& /*value*/, int /*index*/) { return true; }
    // After an accepted user change, a reset or a colour picked in the colour editor.
    virtual void OnValueChanged(void* /*item*/) {}
    virtual void OnItemSelected(void* /*item*/) {}
    // Before the choices are shown; true makes the list reload them from the item.
    virtual bool OnDropDown(void* /*item*/) { return false; }
    // The value's button of an edit or custom item, and after a colour was picked.
    virtual void OnItemButtonClick(void* /*item*/) {}
    // Before the context menu opens; true enables "Reset" with that value.
    virtual bool GetResetValue(void* /*item*/, std::wstring& /*value*/) { return false; }
    // Resolves a "<ZUDIZE:" reference; 0xFFFF0001 and 0xFFFFFFFF mean none.
    virtual COLORREF GetColorFromValue(std::wstring const& /*value*/) { return 0xFFFFFFFFu; }
    virtual void OnAttached() {}
    virtual void OnDetached() {}

protected:
    ~IEventsHandler() {}
};
