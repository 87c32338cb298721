// The property list: the window that shows one CPropertyManager.
//
// A toolbar (categorized, alphabetical, show lines), the list of rows with names left of a movable
// divider and values right of it, an editor over the selected value and a description pane below. The
// list tells the host about the user's changes only through the manager's events handler.
//
//     CPropertyListCtrl list;
//     list.Create(CWnd(parent), 100);
//     list = &manager;                 // shows the manager; null detaches it
//     list.Resize(area);
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/PropertyManager.h"
#include "LumoCtrls/ResourceTracker.h"

class LUMO_API CPropertyListCtrl
{
public:
    class CImpl;

    CPropertyListCtrl();
    ~CPropertyListCtrl();
    CPropertyListCtrl(CPropertyListCtrl const&) = delete;
    CPropertyListCtrl& operator=(CPropertyListCtrl const&) = delete;

    // The container and its toolbar, divider, description pane, list and editors.
    void Create(CWnd const& parent, unsigned id);
    void Destroy();
    void Resize(RECT const& rect);
    void Show(bool show);
    // A disabled list ignores keys and clicks and hides the editor.
    void Enable(bool enable);
    // Closes the editor and shows the rows as they are.
    void Reset();
    // Empties and rebuilds the rows.
    void Reload();
    // The toolbar's buttons and the layout from the manager's styles.
    void UpdateUI();
    CWnd& GetWindow();
    CPropertyManager* Get() const;
    int GetToolBarHeight() const;
    // Shows the manager (null: none); the manager shown before hears OnDetached, the new one OnAttached.
    CPropertyListCtrl& operator=(CPropertyManager const* manager);

    CImpl& GetImpl() const { return *m_impl; }

private:
    CImpl* m_impl;
};
