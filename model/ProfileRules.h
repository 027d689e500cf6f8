#pragma once

#include <string>
#include <vector>

#include "model/WrittenPoints.h"

// A point of a lathe or surface-of-revolution profile that breaks one of the ray tracer's rules
// (or the writer's stricter one: no radius below 0 anywhere).
struct RuleBreak {
    int entry;                  // index into the profile's entries; -1 for the profile as a whole
    const char* brief;          // at most 21 characters, for the status bar
    std::string sentence;       // names the set, the point and the rule
    const char* povrayMessage;  // the ray tracer's own message for it, null when it has none
};

// The rules a lathe's point list (one profile: one set's entries as written, in order) breaks
// for the spline (a SplineType), in the order of the entries.
std::vector<RuleBreak> LatheRuleBreaks(int spline, const std::vector<WrittenEntry>& profile);
std::vector<RuleBreak> SorRuleBreaks(const std::vector<WrittenEntry>& profile);

// Every rule the drawing's profiles break, as the kind (Lathe or Sor) writes them (WrittenPoints
// with that kind) for the spline: entry then indexes the whole list. A list without any entry is
// a drawing with no profile, which the ray tracer refuses too; its one break has entry -1.
std::vector<RuleBreak> ProfileRuleBreaks(const WrittenPointList& list, int kind, int spline);
