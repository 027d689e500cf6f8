#pragma once

#include <string>

// The picture's name as the dialogs that work on a picture show it: "Picture: NAME" in a field
// this wide (the space the field's table entry reserves); a longer name shows its end.
constexpr int kPictureLabelWidth = 44;
constexpr char kPictureLabelSpace[] = "Picture:                                    ";
static_assert(sizeof kPictureLabelSpace - 1 == kPictureLabelWidth, "the name field's width");

inline std::string PictureLabel(const std::string& name) {
    const size_t room = kPictureLabelWidth - 9;
    return "Picture: " + (name.size() > room ? "..." + name.substr(name.size() - room + 3) : name);
}
