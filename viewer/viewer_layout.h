// Where the viewer's controls go when its window is resized: the page fills the window above a
// 33-pixel strip, Close sits in the bottom-right corner and Print... to its left.
#pragma once

namespace kivet::viewer {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Box& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

struct ViewerLayout {
    Box page;
    Box close;
    Box print;
};

// clientWidth, clientHeight: the new client size; button: the remembered size of Close.
ViewerLayout LayoutViewer(int clientWidth, int clientHeight, int buttonWidth, int buttonHeight);

} // namespace kivet::viewer
