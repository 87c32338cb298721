// The gallery's main window: the page list on the left, the selected page on the right.
#pragma once

#include "GalleryPage.h"

#include <LumoCtrls/LumoCtrls.h>

#include <windows.h>

#include <memory>
#include <vector>

class CGalleryWindow
{
public:
    explicit CGalleryWindow(std::vector<std::unique_ptr<CGalleryPage>> pages);

    // Creates the window with every page; false when the platform refuses.
    bool Create(int showCommand);

    HWND GetWindow() const { return m_window; }
    std::size_t GetPageCount() const { return m_pages.size(); }
    CGalleryPage& GetPage(std::size_t index) { return *m_pages[index]; }

    // Shows one page and paints it at once.
    void SelectPage(std::size_t index);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnSize(int width, int height);

    std::vector<std::unique_ptr<CGalleryPage>> m_pages;
    HWND m_window = nullptr;
    std::unique_ptr<CLumoMenu> m_menuBar; // the window's menu bar, drawn by the library
    HWND m_list = nullptr;
    std::size_t m_selected = 0;
};
