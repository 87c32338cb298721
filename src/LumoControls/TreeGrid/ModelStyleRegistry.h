// The style registry of a tree grid with a model: its walk over every style takes in the styles of the
// model's nodes, columns, cells and float controls.
#pragma once

#include "LumoControls/TreeGrid/StyleRegistry.h"
#include "LumoControls/TreeGrid/TreeModel.h"

namespace lumo
{
class ModelStyleRegistry : public StyleRegistry
{
public:
    using StyleRegistry::StyleRegistry;

    void SetModel(TreeModel const* model) { m_model = model; }

    void ForEachStyle(std::function<void(DrawStyle&)> const& visit) const override
    {
        StyleRegistry::ForEachStyle(visit);
        if (m_model != nullptr)
            m_model->ForEachStyle(visit);
    }
    void RequestLayout() override
    {
        if (m_model != nullptr)
            m_model->View().LayoutChanged();
    }
    void StyleChanged() override
    {
        if (m_model != nullptr)
            m_model->View().StylesChanged();
    }
    void EndEdit() override
    {
        if (m_model != nullptr)
            m_model->View().EndEdit(nullptr);
    }

private:
    TreeModel const* m_model = nullptr;
};
} // namespace lumo
