#include "toolkit/raster/StandardColors.h"

const vNamedColor StandardColors[StandardColorCount] = {
    {"Black", vColor(0, 0, 0)},           {"Red", vColor(255, 0, 0)},
    {"Dim Red", vColor(127, 0, 0)},       {"Green", vColor(0, 255, 0)},
    {"Dim Green", vColor(0, 127, 0)},     {"Blue", vColor(0, 0, 255)},
    {"Dim Blue", vColor(0, 0, 127)},      {"Yellow", vColor(255, 255, 0)},
    {"Dim Yellow", vColor(127, 127, 0)},  {"Magenta", vColor(255, 0, 255)},
    {"Dim Magenta", vColor(127, 0, 127)}, {"Cyan", vColor(0, 255, 255)},
    {"Dim Cyan", vColor(0, 127, 127)},    {"Dark Gray", vColor(63, 63, 63)},
    {"Med Gray", vColor(127, 127, 127)},  {"White", vColor(255, 255, 255)},
};
