#include "interchange/SvgTransformList.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "interchange/SvgScanner.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

double Radians(double degrees) {
    return degrees * Pi / 180;
}

// The numbers inside the parentheses, at most six.
int Arguments(SvgScanner& in, double* values) {
    int count = 0;
    in.SkipSpace();
    while (count < 6 && in.Number(values[count])) {
        ++count;
        in.SkipCommaSpace();
    }
    return in.Take(')') ? count : -1;
}

bool MakeTransform(const char* name, const double* v, int count, Affine2& m) {
    if (std::strcmp(name, "matrix") == 0 && count == 6) {
        m = {v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (std::strcmp(name, "translate") == 0 && (count == 1 || count == 2)) {
        m = {1, 0, 0, 1, v[0], count == 2 ? v[1] : 0};
    } else if (std::strcmp(name, "scale") == 0 && (count == 1 || count == 2)) {
        m = {v[0], 0, 0, count == 2 ? v[1] : v[0], 0, 0};
    } else if (std::strcmp(name, "rotate") == 0 && (count == 1 || count == 3)) {
        double cosine = std::cos(Radians(v[0]));
        double sine = std::sin(Radians(v[0]));
        Affine2 turn{cosine, sine, -sine, cosine, 0, 0};
        m = count == 1 ? turn
                       : Affine2{1, 0, 0, 1, v[1], v[2]} * turn * Affine2{1, 0, 0, 1, -v[1], -v[2]};
    } else if (std::strcmp(name, "skewX") == 0 && count == 1) {
        m = {1, 0, std::tan(Radians(v[0])), 1, 0, 0};
    } else if (std::strcmp(name, "skewY") == 0 && count == 1) {
        m = {1, std::tan(Radians(v[0])), 0, 1, 0, 0};
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool ParseSvgTransform(const char* text, Affine2& result) {
    SvgScanner in(text);
    Affine2 total;
    in.SkipCommaSpace();
    while (!in.AtEnd()) {
        char name[16] = {};
        size_t length = 0;
        while (std::isalpha(static_cast<unsigned char>(in.Peek())) && length + 1 < sizeof name) {
            name[length++] = in.Peek();
            in.Skip();
        }
        in.SkipSpace();
        double values[6] = {};
        Affine2 one;
        if (!in.Take('(')) {
            return false;
        }
        int count = Arguments(in, values);
        if (!MakeTransform(name, values, count, one)) {
            return false;
        }
        total = total * one;
        in.SkipCommaSpace();
    }
    result = total;
    return true;
}
