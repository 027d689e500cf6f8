#include "toolkit/vDC.h"

#include <cstring>

void vDC::SetDrawScale(int multiplier, int divisor) {
    _multiplier = multiplier;
    _divisor = divisor;
    _scaling = !(multiplier == 1 && divisor == 1);
}

void vDC::GetDrawScale(int& multiplier, int& divisor) const {
    multiplier = _multiplier;
    divisor = _divisor;
}

int vDC::ScaleValue(int value) const {
    if (!_scaling || _divisor == 0) {
        return value;
    }
    return static_cast<int>(static_cast<int32_t>(value) * _multiplier / _divisor);
}

// Without platform font metrics a context answers with the fixed fallback figures.
int vDC::TextHeight(int& ascent, int& descent) {
    ascent = 5;
    descent = 3;
    return ascent + descent;
}

int vDC::TextWidth(const char* text) {
    return text ? static_cast<int>(std::strlen(text)) * 8 : 0;
}
