#include "dialogs/RadioChoice.h"

#include "toolkit/CommandIds.h"
#include "toolkit/vCmdParent.h"

void TickChoice(vCmdParent& dialog, const int* radios, int count, int value) {
    if (value >= 0 && value < count) {
        dialog.SetControlValue(radios[value], 1, AspectValue);
    }
}

int TickedChoice(vCmdParent& dialog, const int* radios, int count, int unticked) {
    for (int i = 0; i < count; ++i) {
        if (dialog.GetControlValue(radios[i]) != 0) {
            return i;
        }
    }
    return unticked;
}
