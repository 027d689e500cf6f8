#pragma once

#include <string>

// Something the toolkit names: the application, a window.
class vBaseItem {
public:
    explicit vBaseItem(const char* name) : _name(name ? name : "") {}
    vBaseItem(const vBaseItem&) = delete;
    vBaseItem& operator=(const vBaseItem&) = delete;
    virtual ~vBaseItem() = default;

    // Makes the platform window; a plain item has none.
    virtual void OpenWindow() {}
    // Shows it; the toolkit itself leaves this to the platform.
    virtual void PresentWindow() {}

    const char* Name() const { return _name.c_str(); }

protected:
    void SetName(const char* name) { _name = name ? name : ""; }

private:
    std::string _name;
};
