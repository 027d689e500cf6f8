#include "interchange/SvgScanner.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

const char* SkipDigits(const char* p) {
    while (IsDigit(*p)) {
        ++p;
    }
    return p;
}

}  // namespace

bool SvgScanner::Take(char c) {
    if (*_at != c) {
        return false;
    }
    ++_at;
    return true;
}

void SvgScanner::SkipSpace() {
    while (IsSpace(*_at)) {
        ++_at;
    }
}

void SvgScanner::SkipCommaSpace() {
    SkipSpace();
    if (Take(',')) {
        SkipSpace();
    }
}

bool SvgScanner::AtNumber() const {
    return IsDigit(*_at) || *_at == '.' || *_at == '-' || *_at == '+';
}

bool SvgScanner::Number(double& value) {
    const char* p = _at;
    if (*p == '+' || *p == '-') {
        ++p;
    }
    const char* digits = p;
    p = SkipDigits(p);
    bool whole = p != digits;
    if (*p == '.' && (whole || IsDigit(p[1]))) {
        p = SkipDigits(p + 1);
    } else if (!whole) {
        return false;
    }
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-') {
            ++exponent;
        }
        if (IsDigit(*exponent)) {
            p = SkipDigits(exponent);
        }
    }
    // strtod alone would also take "inf", hexadecimal and more than the grammar allows.
    double parsed = std::strtod(std::string(_at, p).c_str(), nullptr);
    if (!std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    _at = p;
    return true;
}

bool SvgScanner::Flag(bool& value) {
    if (*_at != '0' && *_at != '1') {
        return false;
    }
    value = *_at == '1';
    ++_at;
    return true;
}
