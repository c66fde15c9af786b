// The system's WebBrowser control placed inside a child window of the viewer: a minimal OLE
// container (client site, in-place site and frame) that shows one page.
#pragma once

#include <windows.h>

#include <string>

struct IOleObject;
struct IWebBrowser2;

namespace kivet::viewer {

class BrowserSite;

class BrowserHost {
public:
    BrowserHost() = default;
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // Creates the control filling host; false when the system has no WebBrowser control.
    bool Create(HWND host);
    // Shows the page (Navigate with the path and no further arguments).
    bool Navigate(const std::string& path);
    // Fits the control to the host's client area.
    void Resize();
    void Destroy();

private:
    HWND host_ = nullptr;
    BrowserSite* site_ = nullptr;
    IOleObject* object_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
};

} // namespace kivet::viewer
