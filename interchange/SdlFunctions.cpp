#include "interchange/SdlFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "interchange/SdlLimits.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

double Radians(double degrees) {
    return degrees * Pi / 180;
}

struct FloatFunction {
    const char* name;
    double (*apply)(double);
};

const FloatFunction FloatFunctions[] = {
    {"abs", [](double a) { return std::fabs(a); }},
    {"acos", [](double a) { return std::acos(a); }},
    {"asin", [](double a) { return std::asin(a); }},
    {"atan", [](double a) { return std::atan(a); }},
    {"ceil", [](double a) { return std::ceil(a); }},
    {"cos", [](double a) { return std::cos(a); }},
    {"cosh", [](double a) { return std::cosh(a); }},
    {"degrees", [](double a) { return a * 180 / Pi; }},
    {"exp", [](double a) { return std::exp(a); }},
    {"floor", [](double a) { return std::floor(a); }},
    {"int", [](double a) { return std::trunc(a); }},
    {"ln", [](double a) { return std::log(a); }},
    {"log", [](double a) { return std::log10(a); }},
    {"radians", Radians},
    {"sin", [](double a) { return std::sin(a); }},
    {"sinh", [](double a) { return std::sinh(a); }},
    {"sqrt", [](double a) { return std::sqrt(a); }},
    {"tan", [](double a) { return std::tan(a); }},
    {"tanh", [](double a) { return std::tanh(a); }},
};

struct PairFunction {
    const char* name;
    double (*apply)(double, double);
};

const PairFunction PairFunctions[] = {
    {"atan2", [](double a, double b) { return std::atan2(a, b); }},
    {"div", [](double a, double b) { return std::trunc(a / b); }},
    {"mod", [](double a, double b) { return std::fmod(a, b); }},
    {"pow", [](double a, double b) { return std::pow(a, b); }},
};

using Vec3 = std::array<double, 3>;

Vec3 Three(const SdlValue& value) {
    const SdlValue v = value.Promoted(3);
    return {v.v[0], v.v[1], v.v[2]};
}

SdlValue FromThree(const Vec3& v) {
    return SdlValue::Components(v.data(), 3);
}

double Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Turns v about the unit axis by the angle in degrees, counter-clockwise seen from the axis's
// tip in a right-handed frame, which is how the ray tracer's rotations turn in its own frame.
Vec3 AboutAxis(const Vec3& v, const Vec3& axis, double degrees) {
    const double c = std::cos(Radians(degrees));
    const double s = std::sin(Radians(degrees));
    const Vec3 k = Cross(axis, v);
    const double along = Dot(axis, v) * (1 - c);
    return {v[0] * c + k[0] * s + axis[0] * along, v[1] * c + k[1] * s + axis[1] * along,
            v[2] * c + k[2] * s + axis[2] * along};
}

bool VectorFunction(std::string_view name, const std::vector<SdlValue>& args, SdlValue& result) {
    const Vec3 a = Three(args[0]);
    const Vec3 b = args.size() > 1 ? Three(args[1]) : Vec3{};
    if (name == "vlength") {
        result = SdlValue::Number(std::sqrt(Dot(a, a)));
    } else if (name == "vnormalize") {
        const double length = std::sqrt(Dot(a, a));
        result = FromThree({a[0] / length, a[1] / length, a[2] / length});
    } else if (name == "vdot") {
        result = SdlValue::Number(Dot(a, b));
    } else if (name == "vcross") {
        result = FromThree(Cross(a, b));
    } else if (name == "vrotate") {
        Vec3 turned = AboutAxis(a, {1, 0, 0}, b[0]);
        turned = AboutAxis(turned, {0, 1, 0}, b[1]);
        result = FromThree(AboutAxis(turned, {0, 0, 1}, b[2]));
    } else if (name == "vaxis_rotate") {
        const double length = std::sqrt(Dot(b, b));
        result =
            FromThree(AboutAxis(a, {b[0] / length, b[1] / length, b[2] / length}, args[2].v[0]));
    } else {
        return false;
    }
    return true;
}

// str(F, L, P): at least |L| characters, with leading zeros when L is negative, and P
// decimals (six when P is negative).
std::string Str(double number, double width, double precision) {
    const int w = static_cast<int>(std::min(std::fabs(width), 100.0));
    const int p = precision < 0 ? 6 : static_cast<int>(std::min(precision, 50.0));
    char text[512];
    std::snprintf(text, sizeof text, width < 0 ? "%0*.*f" : "%*.*f", w, p, number);
    return text;
}

bool StringFunction(std::string_view name, const std::vector<SdlValue>& args, SdlValue& result,
                    std::string& why) {
    if (name == "strlen" || name == "val") {
        if (args[0].kind != SdlValue::String) {
            why = std::string(name) + " takes a string";
            return false;
        }
        result = SdlValue::Number(name == "val" ? std::atof(args[0].text.c_str())
                                                : static_cast<double>(args[0].text.size()));
        return true;
    }
    if (name == "str") {
        result = SdlValue::Text(Str(args[0].v[0], args[1].v[0], args[2].v[0]));
        return true;
    }
    std::string joined;
    for (const SdlValue& arg : args) {
        if (arg.kind != SdlValue::String) {
            why = "concat takes strings";
            return false;
        }
        joined += arg.text;
        if (joined.size() > SdlLimits::StringLength) {
            why = "the string grows longer than the importer takes";
            return false;
        }
    }
    result = SdlValue::Text(joined);
    return true;
}

struct Arity {
    const char* name;
    size_t least;
    size_t most;
};

const Arity Arities[] = {
    {"max", 1, 64},    {"min", 1, 64},   {"vlength", 1, 1}, {"vnormalize", 1, 1},
    {"vdot", 2, 2},    {"vcross", 2, 2}, {"vrotate", 2, 2}, {"vaxis_rotate", 3, 3},
    {"select", 3, 4},  {"strlen", 1, 1}, {"val", 1, 1},     {"str", 3, 3},
    {"concat", 1, 64},
};

const Arity* FindArity(std::string_view name) {
    for (const Arity& arity : Arities) {
        if (name == arity.name) {
            return &arity;
        }
    }
    return nullptr;
}

template <typename Table>
auto* FindIn(const Table& table, std::string_view name) {
    for (const auto& entry : table) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return static_cast<decltype(&table[0])>(nullptr);
}

bool Floats(const std::vector<SdlValue>& args, std::string_view name, std::string& why) {
    for (const SdlValue& arg : args) {
        if (arg.kind != SdlValue::Float) {
            why = std::string(name) + " takes floats, not " + arg.Describe();
            return false;
        }
    }
    return true;
}

bool Select(const std::vector<SdlValue>& args, SdlValue& result) {
    const double a = args[0].v[0];
    if (a < 0) {
        result = args[1];
    } else if (args.size() == 4 && a > 0) {
        result = args[3];
    } else {
        result = args[2];
    }
    return true;
}

bool ApplyFloats(std::string_view name, const std::vector<SdlValue>& args, SdlValue& result,
                 std::string& why) {
    if (!Floats(args, name, why)) {
        return false;
    }
    if (const FloatFunction* f = FindIn(FloatFunctions, name)) {
        result = SdlValue::Number(f->apply(args[0].v[0]));
    } else if (const PairFunction* f = FindIn(PairFunctions, name)) {
        result = SdlValue::Number(f->apply(args[0].v[0], args[1].v[0]));
    } else if (name == "select") {
        return Select(args, result);
    } else {
        double best = args[0].v[0];
        for (const SdlValue& arg : args) {
            best = name == "max" ? std::max(best, arg.v[0]) : std::min(best, arg.v[0]);
        }
        result = SdlValue::Number(best);
    }
    return true;
}

}  // namespace

namespace SdlFunctions {

bool IsFunction(std::string_view name) {
    return FindIn(FloatFunctions, name) != nullptr || FindIn(PairFunctions, name) != nullptr ||
           FindArity(name) != nullptr;
}

bool Apply(std::string_view name, const std::vector<SdlValue>& args, SdlValue& result,
           std::string& why) {
    size_t least = FindIn(FloatFunctions, name) != nullptr ? 1 : 2;
    size_t most = least;
    if (const Arity* arity = FindArity(name)) {
        least = arity->least;
        most = arity->most;
    }
    if (args.size() < least || args.size() > most) {
        why = std::string(name) + " takes " + std::to_string(least) +
              (most == least ? "" : " or more") + " arguments, not " + std::to_string(args.size());
        return false;
    }
    for (const SdlValue& arg : args) {
        if (arg.kind == SdlValue::Opaque) {
            result = arg;
            return true;
        }
    }
    const bool vectors = name[0] == 'v' && name != "val";
    if (vectors) {
        for (const SdlValue& arg : args) {
            if (!arg.IsNumeric()) {
                why = std::string(name) + " takes vectors, not " + arg.Describe();
                return false;
            }
        }
        return VectorFunction(name, args, result);
    }
    if (name == "strlen" || name == "val" || name == "concat" ||
        (name == "str" && Floats(args, name, why))) {
        return StringFunction(name, args, result, why);
    }
    return why.empty() && ApplyFloats(name, args, result, why);
}

bool Constant(std::string_view name, SdlValue& value) {
    struct Named {
        const char* name;
        double v[4];
        int size;
    };
    static const Named constants[] = {
        {"pi", {Pi}, 1},        {"tau", {2 * Pi}, 1}, {"true", {1}, 1},    {"yes", {1}, 1},
        {"on", {1}, 1},         {"false", {0}, 1},    {"no", {0}, 1},      {"off", {0}, 1},
        {"clock", {0}, 1},      {"x", {1, 0, 0}, 3},  {"y", {0, 1, 0}, 3}, {"z", {0, 0, 1}, 3},
        {"t", {0, 0, 0, 1}, 4}, {"u", {1, 0}, 2},     {"v", {0, 1}, 2},
    };
    for (const Named& constant : constants) {
        if (name == constant.name) {
            value = constant.size == 1 ? SdlValue::Number(constant.v[0])
                                       : SdlValue::Components(constant.v, constant.size);
            return true;
        }
    }
    return false;
}

}  // namespace SdlFunctions
