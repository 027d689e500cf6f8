#pragma once

#include <cstddef>

class vCmdParent;

// A choice among the values 0, 1, 2 ... shown as radio buttons, listed by the value each
// stands for.

// Ticks the radio of the value; a value no radio stands for ticks nothing.
void TickChoice(vCmdParent& dialog, const int* radios, int count, int value);
// The value of the first ticked radio in list order, or `unticked` when none is.
int TickedChoice(vCmdParent& dialog, const int* radios, int count, int unticked);

template <std::size_t N>
void TickChoice(vCmdParent& dialog, const int (&radios)[N], int value) {
    TickChoice(dialog, radios, static_cast<int>(N), value);
}

template <std::size_t N>
int TickedChoice(vCmdParent& dialog, const int (&radios)[N], int unticked) {
    return TickedChoice(dialog, radios, static_cast<int>(N), unticked);
}
