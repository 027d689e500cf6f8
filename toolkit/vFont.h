#pragma once

#include <cstdint>

#include "toolkit/DrawingStyles.h"

// A font value. The platform's font object is cached by the drawing context through the handle
// slot; assigning or changing the font drops it.
class vFont {
public:
    static constexpr int LogicalRecordSize = 60;

    vFont(int family = FontFixed, int size = 10, int style = FontNormalStyle,
          int weight = FontWeightNormal, int underline = 0, int angle = 0);
    vFont(const vFont& other);
    vFont& operator=(const vFont& other);

    int Family() const { return _family; }
    int Style() const { return _style; }
    int Weight() const { return _weight; }
    int Size() const { return _size; }
    int Underline() const { return _underline; }
    int Angle() const { return _angle; }
    uint32_t Color() const { return _color; }
    const unsigned char* LogicalRecord() const { return _logicalRecord; }

    void SetFont(int family, int size, int style = FontNormalStyle, int weight = FontWeightNormal,
                 int underline = 0, int angle = 0);
    void SetColor(uint32_t packedColor);
    void SetLogicalRecord(const unsigned char* record);

    // Platform weight: 400 for normal, 700 for bold, 0 (platform default) otherwise.
    int PlatformWeight() const;

    void* CachedHandle() const { return _handle; }
    void SetCachedHandle(void* handle) const { _handle = handle; }
    bool IsStock() const { return _isStock; }

private:
    void DropHandle() { _handle = nullptr; }

    int _family;
    int _style;
    int _weight;
    int _size;
    int _underline;
    int _angle;
    bool _isStock = true;
    uint32_t _color = 0;
    mutable void* _handle = nullptr;
    unsigned char _logicalRecord[LogicalRecordSize] = {};
};
