#include "LumoControls/PropertyList/ColorEditor/ColorNameCheck.h"

#include "LumoControls/PropertyList/PropertyValues.h"

lumo::ColorNameVerdict lumo::CheckColorName(PropertyRecord& item)
{
    ColorNameVerdict verdict;
    if (!IsHostColorReference(item.value))
    {
        bool named = false;
        std::wstring stored = StoredColorValue(item.value, named);
        if (named)
        {
            item.value = stored;
            item.lastValidValue = std::move(stored);
        }
        else
        {
            verdict.rejected = true;
            verdict.rejectedText = item.value;
            item.value = item.lastValidValue;
        }
    }
    if (item.value != item.initialValue)
        item.modified = true;
    return verdict;
}
