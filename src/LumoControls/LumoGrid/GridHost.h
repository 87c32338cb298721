// What the list grid's editing, deleting and pasting ask of the host and of the editor window.
#pragma once

#include <memory>
#include <string>

namespace lumo
{
// The host's handler as the protocols see it: columns by index. With no handler installed HasHandler()
// is false and every query answers true.
class IGridHost
{
public:
    virtual bool HasHandler() const = 0;
    virtual bool CanInsertItem(int index) = 0;
    virtual void OnItemCreated(int index) = 0;
    virtual bool CanChangeItemText(int item, std::wstring const& text) = 0;
    virtual bool CanChangeCellText(int item, unsigned column, std::wstring const& text) = 0;
    virtual bool CanCreateItem(int item, std::wstring const& text) = 0;
    virtual bool CanDeleteItem(int item) = 0;
    virtual void OnItemRemoved(int item, std::wstring const& oldText) = 0;
    virtual bool CanClearCell(int item, unsigned column) = 0;
    virtual void OnCellCleared(int item, unsigned column, std::wstring const& oldText) = 0;
    virtual bool CanDeleteInRanges() = 0;
    virtual bool CanDeleteItemRange(int& first, int& last) = 0;
    virtual void OnItemRangeDeleted(int first, int last) = 0;
    virtual bool CanClearCellRange(int& first, int& last, unsigned column) = 0;
    virtual void OnCellRangeCleared(int first, int last, unsigned column) = 0;
    virtual bool CanProcessMultiple(int command) = 0;
    virtual void OnMultipleProcessed() = 0;
    virtual bool CanEditItem(int item) = 0;
    virtual bool CanEditCell(int item, unsigned column) = 0;
    virtual void OnItemEditEnded(int item) = 0;
    virtual void OnCellEditEnded(int item, unsigned column) = 0;
    // Turns false once the grid is destroyed or its list window closed, which a host may do from inside
    // any call: a protocol holds the token across its calls and stops at once when it turns.
    virtual std::shared_ptr<bool const> AliveToken() const = 0;

protected:
    ~IGridHost() = default;
};

// The in-place editor over a cell.
class IGridEditor
{
public:
    // Opens the editor over the cell with the cell's text; false when there is no editor to show.
    virtual bool OpenEditor(unsigned item, unsigned column) = 0;
    virtual std::wstring EditorText() const = 0;
    // Takes the editor's windows away; the protocol has done with its text.
    virtual void CloseEditor() = 0;
    virtual bool ControlHeld() const = 0;

protected:
    ~IGridEditor() = default;
};
} // namespace lumo
