#pragma once

#include <array>
#include <memory>
#include <string>

struct SdlArray;

// One value of the scene language as the importer evaluates it: a float, a vector of two to
// five components, a string, an array, or an opaque value that stands for anything else (an
// object, a colour, a texture, an identifier that was never declared), which remembers why it
// cannot be used as a number. Arrays are shared until one of the sharers changes an element.
struct SdlValue {
    enum Kind { Float, Vector, String, Array, Opaque };
    static constexpr int MaxComponents = 5;

    Kind kind = Opaque;
    std::array<double, MaxComponents> v{};  // v[0] alone for a float
    int size = 1;                           // the vector's components
    std::string text;                       // a string, or why an opaque value has no number
    std::shared_ptr<SdlArray> array;

    static SdlValue Number(double number);
    static SdlValue Components(const double* components, int count);
    static SdlValue Text(std::string text);
    static SdlValue Unusable(std::string why);
    static SdlValue Elements(SdlArray elements);

    bool IsNumeric() const { return kind == Float || kind == Vector; }
    // The value as a vector of that many components, as the ray tracer promotes it: a float to
    // every component, a shorter vector with zeros.
    SdlValue Promoted(int count) const;
    // The array for changing one element: a copy of its own first when another value shares it.
    SdlArray& OwnArray();
    // What the value is, for messages: "a float", "a vector", "a string", "an array".
    const char* Describe() const;
};
