#include "LumoControls/DrawTools/w32/GradientFillFunction.h"

#include "LumoCtrls/DrawTools.h"

namespace
{
class CGradientFillLookup
{
public:
    CGradientFillLookup() : m_library(LoadLibraryW(L"msimg32.dll"))
    {
        if (m_library != nullptr)
            m_function = reinterpret_cast<lumo::GradientFillFunction>(
                reinterpret_cast<void*>(GetProcAddress(m_library, "GradientFill")));
    }
    ~CGradientFillLookup()
    {
        m_function = nullptr;
        if (m_library != nullptr)
            FreeLibrary(m_library);
    }
    CGradientFillLookup(CGradientFillLookup const&) = delete;
    CGradientFillLookup& operator=(CGradientFillLookup const&) = delete;

    lumo::GradientFillFunction Get() const { return m_enabled ? m_function : nullptr; }
    bool Has() const { return m_function != nullptr; }
    bool Enable(bool enable)
    {
        bool const previous = m_enabled;
        m_enabled = enable;
        return previous;
    }

private:
    HMODULE m_library;
    lumo::GradientFillFunction m_function = nullptr;
    bool m_enabled = true;
};

CGradientFillLookup g_gradientFill;
} // namespace

lumo::GradientFillFunction lumo::GetGradientFill()
{
    return g_gradientFill.Get();
}

bool EnablePlatformGradientFill(bool enable)
{
    return g_gradientFill.Enable(enable);
}

bool HasPlatformGradientFill()
{
    return g_gradientFill.Has();
}
