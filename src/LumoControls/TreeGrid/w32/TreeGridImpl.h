// The implementation behind CTreeGrid: the portable model and its styles, the classes that show them to
// the host through the tree grid's interfaces, the host's handler and the image tables.
#pragma once

#include <windows.h>

#include "LumoControls/TreeGrid/ModelStyleRegistry.h"
#include "LumoControls/TreeGrid/ObjectPool.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/TreeModel.h"
#include "LumoControls/TreeGrid/w32/FontCache.h"
#include "LumoControls/TreeGrid/w32/StyleConversions.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/SharedPointer.h"
#include "LumoCtrls/TreeGrid.h"

#include <map>
#include <string>

class CTreeGrid::CImpl : public CLibraryObject
{
public:
    class CPaintStyle;
    template <class Interface, class Model> class TDrawStyle;
    template <class Interface, class Model> class TStyle;
    class CDrawStyle;
    class CStyle;
    class CObjStyle;
    class CNode;
    class CColumn;
    template <class Interface, class Model> class TFloatControl;
    class CFloatControl;
    class CCell;
    class CView;
    class CPainter;
    class CInteraction;
    class CControlCore;
    template <class... Interfaces> class TControl;
    template <class... Interfaces> class TEditControl;
    class CComboBox;
    class CCheckButton;
    class CProgress;

    CImpl(CTreeGrid& owner, EVisualLook look);
    ~CImpl();

    CTreeGrid& GetOwner() const { return m_owner; }
    lumo::StyleRegistry& GetStyles() { return m_styles; }
    lumo::StyleRegistry const& GetStyles() const { return m_styles; }
    lumo::TreeModel& Model() { return m_model; }
    lumo::TreeModel const& Model() const { return m_model; }
    lumo::CFontCache& GetFonts() { return m_fonts; }
    // The window and its layout.
    CView& View() const { return *m_view; }
    // A cell's rectangle in client coordinates (empty when it is not shown).
    RECT CellRect(lumo::FloatControl& cell) const;

    // --- In-cell controls.
    // The control of a float control, made for its style's kind when first needed (and made again when the
    // kind changed); null for a kind without one.
    CControlCore* ControlOf(lumo::FloatControl& control);
    // Opens the control's editor; null when nothing opens.
    IControl* BeginEdit(lumo::FloatControl& control);
    // Closes the focused control's editor, committing; false when the host keeps it open.
    bool CloseFocusedControl();
    CControlCore* FocusedControl();
    // Destroys every editor and list window without a word to anyone (the window is going).
    void DropControlWindows();
    bool pressOnControlPart = false; // the last press hit a control part: focus loss keeps its editor
    POINT lastPress{};               // the last press, in client coordinates

    // --- Between the host's interfaces and the model. An object passed by reference must be this tree
    // grid's own (std::bad_cast otherwise); a null pointer stays null.
    CNode& Own(INode const& node) const;
    CColumn& Own(IColumn const& column) const;
    CCell& Own(ICell const& cell) const;
    lumo::FreeFloatControl& Own(IFloatControl const& control) const;    // a free float control only
    lumo::FloatControl& OwnControl(IFloatControl const& control) const; // a cell or a free float control
    CNode* Own(INode* node) const { return node != nullptr ? &Own(*node) : nullptr; }
    CColumn* Own(IColumn* column) const { return column != nullptr ? &Own(*column) : nullptr; }
    static INode* InterfaceOf(lumo::TreeNode* node);
    static IColumn* InterfaceOf(lumo::TreeColumn* column);
    static ICell* InterfaceOf(lumo::TreeCell* cell);
    static IFloatControl* InterfaceOf(lumo::FloatControl* control);
    static IDrawStyle* InterfaceOf(lumo::DrawStyle* style);
    static IPaintStyle* InterfaceOf(lumo::PaintStyle* paint);
    // The tree grid a model object or a paint style belongs to.
    static CImpl& GridOf(lumo::TreeModel const& model) { return *static_cast<CImpl*>(model.GetOwner()); }
    static CImpl& GridOf(lumo::PaintStyle const& paint);

    // --- Images.
    std::map<std::wstring, TSharedPointer<CLumoImage>>& Images() { return m_images; }
    CImageList& ImageList() { return m_imageList; }
    CImageList& ColumnHeaderImageList() { return m_columnHeaderImages; }
    CImageList& RowHeaderImageList() { return m_rowHeaderImages; }
    // The image lists' greyed copies, for disabled objects.
    CImageList& GreyedImageList() { return m_greyedImages; }
    CImageList& GreyedColumnHeaderImageList() { return m_greyedColumnHeaderImages; }
    CImageList& GreyedRowHeaderImageList() { return m_greyedRowHeaderImages; }

    CEventsHandler* handler = nullptr;
    void* data = nullptr;
    bool displayFocus = true;
    unsigned ticksBeforeTooltips = 10;
    bool multilineTexts = false;
    bool multiSelectionWithoutControl = false;
    bool externalFilesDrop = false;
    bool mouseInside = false; // the grid background is drawn HOVER while the mouse is over the grid
    bool focusShown = false;  // the focus border shows (keyboard moves set it, clicks on cells clear it)

private:
    // Creates this tree grid's style classes and tells the host about them.
    class CStyleRegistry : public lumo::ModelStyleRegistry
    {
    public:
        CStyleRegistry(CImpl& grid, EVisualLook look);

    protected:
        std::unique_ptr<lumo::DrawStyle> NewStyle(lumo::StyleClass kind, lumo::ObjectType type,
                                                  lumo::StyleRole role, void const* owner) override;
        std::unique_ptr<lumo::PaintStyle> NewPaintStyle(lumo::DrawStyle& owner,
                                                        lumo::PaintSlot slot) override;
        void OnStyleCreated(lumo::DrawStyle& style) override;
        void FillDefaultStyle(lumo::DrawStyle& style, lumo::ObjectType type) override;

    public:
        CImpl& GetGrid() const { return m_grid; }

    private:
        CImpl& m_grid;
    };

    // Makes the model's objects as this tree grid's classes; nodes come from a pool.
    class CFactory : public lumo::ITreeFactory
    {
    public:
        lumo::TreeNode* NewNode(lumo::TreeModel& model, bool root) override;
        void DeleteNode(lumo::TreeNode* node) override;
        lumo::TreeColumn* NewColumn(lumo::TreeModel& model, std::wstring const& title, int width,
                                    void* data) override;
        void DeleteColumn(lumo::TreeColumn* column) override;
        lumo::TreeCell* NewCell(lumo::TreeModel& model, lumo::TreeNode& node,
                                lumo::TreeColumn& column) override;
        void DeleteCell(lumo::TreeCell* cell) override;
        lumo::FreeFloatControl* NewFloatControl(lumo::TreeModel& model, std::wstring const& name,
                                                lumo::Rect const& rect, int editorWidth,
                                                unsigned editorHeight, bool horizontalLock, bool verticalLock,
                                                int value, std::uint64_t number) override;
        void DeleteFloatControl(lumo::FreeFloatControl* control) override;

    private:
        lumo::ObjectPool<CNode> m_nodes;
        lumo::ObjectPool<CCell> m_cells;
    };

    // The host's handler as the model hears it.
    class CEvents;
    // The modifier keys, as the message being handled saw them.
    class CKeys : public lumo::IKeyState
    {
    public:
        bool IsShiftDown() const override { return GetKeyState(VK_SHIFT) < 0; }
        bool IsControlDown() const override { return GetKeyState(VK_CONTROL) < 0; }
    };

    CTreeGrid& m_owner;
    lumo::CFontCache m_fonts; // before the styles, whose paint styles hold its fonts
    CStyleRegistry m_styles;  // before the model, whose objects own styles
    CFactory m_factory;       // before the model, which gives its objects back to it
    std::unique_ptr<CEvents> m_events;
    CKeys m_keys;
    lumo::TreeModel m_model;
    std::unique_ptr<CView> m_view; // after the model, whose view it is
    std::map<std::wstring, TSharedPointer<CLumoImage>> m_images;
    CImageList m_imageList;
    CImageList m_columnHeaderImages;
    CImageList m_rowHeaderImages;
    CImageList m_greyedImages;
    CImageList m_greyedColumnHeaderImages;
    CImageList m_greyedRowHeaderImages;
};
