// WindowPlacement: what the settings file needs of a real window to save and
// restore its position, size and maximized state. The Qt backend implements
// it over its windows; a window that is not shown has none.
#pragma once

namespace vorda::ui {

struct WindowRect {
    int x = 0, y = 0, width = 0, height = 0;
};

class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual bool isMaximized() const = 0;
    virtual bool isIconized() const = 0;
    virtual bool isResizable() const = 0;
    virtual WindowRect get() const = 0;  // the normal (not maximized) geometry
    virtual void set(const WindowRect& rect) = 0;
    virtual void maximize(bool on) = 0;  // false restores a maximized window
};

}  // namespace vorda::ui
