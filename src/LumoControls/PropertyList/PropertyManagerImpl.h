// The private part of a property manager: its items, styles and settings, and the rules by which values
// change. The list window that shows the manager reaches it through CPropertyManager::GetImpl.
#pragma once

#include "LumoControls/PropertyList/PropertyPlatform.h"
#include "LumoControls/PropertyList/PropertyRecord.h"
#include "LumoControls/PropertyList/PropertyView.h"
#include "LumoCtrls/LibraryMemory.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CPropertyManager::CImpl : public CLibraryObject
{
public:
    explicit CImpl(CPropertyManager& owner) : m_owner(owner) {}
    ~CImpl();
    CImpl(CImpl const&) = delete;
    CImpl& operator=(CImpl const&) = delete;

    // Tells whether the manager and its items outlived a call into the host: a handler may clear the
    // items or destroy the manager before it returns.
    class CAliveCheck
    {
    public:
        explicit CAliveCheck(CImpl const& impl) : m_state(impl.m_lifetime), m_generation(*impl.m_lifetime) {}
        bool ItemsAlive() const { return m_state.use_count() > 1 && *m_state == m_generation; }

    private:
        std::shared_ptr<unsigned> m_state;
        unsigned m_generation;
    };

    CPropertyManager& Owner() const { return m_owner; }
    lumo::IPropertyPlatform const& Platform() const { return lumo::PropertyPlatform(); }

    // --- The list window showing the manager (null: none).
    CPropertyListCtrl* List() const { return m_list; }
    lumo::IPropertyView* View() const { return m_view; }
    void SetList(CPropertyListCtrl* list, lumo::IPropertyView* view);

    IEventsHandler* Handler() const { return m_handler; }
    void SetHandler(IEventsHandler* handler) { m_handler = handler; }

    unsigned Styles() const { return m_styles; }
    void SetStyles(unsigned styles);
    COLORREF Color() const;
    void SetColor(COLORREF color);
    int SplitterPosition() const { return m_splitterPosition; }
    void SetSplitterPosition(int x);
    int CommentsHeight() const { return m_commentsHeight; }
    void SetCommentsHeight(int height);

    std::vector<lumo::PropertyRecord*> const& Items() const { return m_items; }
    // The record of an item of this manager; null for null and for items of another manager.
    lumo::PropertyRecord* Own(void* item) const;
    lumo::PropertyRecord* Selected() const { return m_selected; }
    void SetSelected(lumo::PropertyRecord* item) { m_selected = item; }

    lumo::PropertyRecord& Add(void* parent, std::wstring const& name, unsigned short type, unsigned id);
    lumo::PropertyRecord* FindItem(std::wstring const& name) const;
    lumo::PropertyRecord* FindItem(unsigned id) const;
    lumo::PropertyRecord* FindCategory(std::wstring const& name) const;

    // --- Changes made by the host (through the manager or an item handle).
    void SetValue(lumo::PropertyRecord& item, std::wstring const& value);
    void SetChoices(lumo::PropertyRecord& item, std::vector<std::wstring> choices);
    void SetImageIndex(lumo::PropertyRecord& item, int index);
    void SetEnabled(lumo::PropertyRecord& item, bool enabled);
    void SetExpanded(lumo::PropertyRecord& item, bool expanded);
    void SetShown(lumo::PropertyRecord& item, bool show);
    void Select(lumo::PropertyRecord* item, bool edit);
    // Any other change of the item's texts or flags: the list redraws it.
    void Changed(lumo::PropertyRecord& item);
    void ResetValues();
    void Clear();

    // --- The user's commit from the list's editor: asks the handler, stores the value with the editor's
    // choice index and marks the item modified. True when the value was stored.
    bool CommitUserValue(lumo::PropertyRecord& item, std::wstring text, int choiceIndex);

private:
    // Enters a new record into the lookups (the first of each name and identifier wins).
    void Index(lumo::PropertyRecord& item);
    void FreeItems();

    CPropertyManager& m_owner;
    CPropertyListCtrl* m_list = nullptr;
    lumo::IPropertyView* m_view = nullptr;
    IEventsHandler* m_handler = nullptr;
    unsigned m_styles = STYLE_COLOR | STYLE_CATEGORIZED;
    COLORREF m_color = lumo::kColorNone;
    int m_splitterPosition = 200;
    int m_commentsHeight = 50;
    std::vector<lumo::PropertyRecord*> m_items;
    lumo::PropertyRecord* m_selected = nullptr;
    // The first item (not category) of each name and identifier and the first category of each name:
    // hosts look items up by name once per item, so a walk per lookup would make that quadratic.
    std::unordered_map<std::wstring, lumo::PropertyRecord*> m_itemsByName;
    std::unordered_map<unsigned, lumo::PropertyRecord*> m_itemsById;
    std::unordered_map<std::wstring, lumo::PropertyRecord*> m_categoriesByName;
    // The generation of the items, bumped when they are freed; the count of holders tells whether the
    // manager itself is still there.
    std::shared_ptr<unsigned> m_lifetime = std::make_shared<unsigned>(0);
};
