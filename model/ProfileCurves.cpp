#include "model/ProfileCurves.h"

#include "model/EditState.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"

void FlattenProfiles(const WrittenPointList& list, int kind, int spline,
                     const FlattenOptions& options, Polylines& out) {
    for (const WrittenSet& profile : WrittenSets(list)) {
        if (kind == Sor) {
            FlattenCurve(SorCurve(profile.values), options, out);
        } else {
            FlattenCurve(LatheCurve(spline, profile.values), options, out);
        }
    }
}
