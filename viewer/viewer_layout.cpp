#include "viewer/viewer_layout.h"

namespace kivet::viewer {

ViewerLayout LayoutViewer(int clientWidth, int clientHeight, int buttonWidth, int buttonHeight)
{
    ViewerLayout layout;
    // A window smaller than the button strip leaves the page empty rather than negative.
    int pageHeight = clientHeight > 33 ? clientHeight - 33 : 0;
    layout.page = {0, 0, clientWidth > 0 ? clientWidth : 0, pageHeight};
    layout.close = {clientWidth - 78, clientHeight - 27, buttonWidth, buttonHeight};
    layout.print = {clientWidth - 160, clientHeight - 27, buttonWidth, buttonHeight};
    return layout;
}

} // namespace kivet::viewer
