#include "platform/win32/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/metrics.h"

namespace forms::win32 {

void ShowPanels(HWND bar, const StatusBar& status) {
    const auto& panels = status.panels();
    // SB_SETPARTS takes each panel's right edge, not its width.
    std::vector<int> edges;
    int right = 0;
    for (const auto& panel : panels) {
        right += PixelsX(panel.width);
        edges.push_back(right);
    }
    SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels.size(); ++i)
        SendMessageA(bar, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels[i].text.c_str()));
}

}  // namespace forms::win32
