#pragma once

#include <string>

// What the application keeps beside each window in its window list.
class vAppWinInfo {
public:
    explicit vAppWinInfo(const char* name = nullptr, int data = 0)
        : _name(name ? name : ""), _data(data) {}
    virtual ~vAppWinInfo() = default;

    const char* Name() const { return _name.c_str(); }
    int Data() const { return _data; }
    void SetData(int data) { _data = data; }

private:
    std::string _name;
    int _data;
};
