#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/EditState.h"
#include "model/Point2.h"
#include "model/WrittenPoints.h"

// Point lists with what POV-Ray makes of them, shared by the tests of the curve and rule
// functions and by the tests that hold the same lists against povray itself.

// A prism's list spelt in letters, one point each.
inline std::vector<Point2> PointsOf(const std::string& letters) {
    std::vector<Point2> points;
    for (char letter : letters) {
        switch (letter) {
            case 'b':  // as B to the ray tracer: closer than 1e-10
                points.push_back({1, 1e-11});
                break;
            case 'x':  // not B
                points.push_back({1, 1e-5});
                break;
            default:  // A .. G around the origin, then farther out
                const Point2 named[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {2, 2}, {3, 2}, {3, 3}};
                points.push_back(named[letter - 'A']);
                break;
        }
    }
    return points;
}

struct PrismListCase {
    int spline;
    const char* letters;
    std::vector<int> piecePoints;  // segments of each piece
    const char* warning;           // part of the warning's text, or null
    const char* error;             // part of the error's text, or null
};

inline std::vector<PrismListCase> PrismListCases() {
    const char* closing = "Closing it.";
    const char* ignoring = "Ignoring it.";
    const char* tooFew = "Too few points in prism.";
    const char* atLeast = "must have at least";
    const char* perSegment = "four points per segment";
    return {
        {LinearSpline, "AB", {}, nullptr, atLeast},
        {LinearSpline, "ABC", {3}, closing, nullptr},
        {LinearSpline, "ABCAE", {3}, nullptr, nullptr},
        {LinearSpline, "ABCAEF", {3, 2}, closing, nullptr},
        {LinearSpline, "BCDb", {3}, nullptr, nullptr},
        {LinearSpline, "BCDx", {4}, closing, nullptr},
        {QuadraticSpline, "ABCD", {}, nullptr, atLeast},
        {QuadraticSpline, "ABCDbE", {3}, nullptr, nullptr},
        {QuadraticSpline, "ABCDBEF", {3}, nullptr, tooFew},
        {QuadraticSpline, "ABCDBEFF", {3, 1}, nullptr, nullptr},
        {QuadraticSpline, "ABCDx", {}, ignoring, tooFew},
        {CubicSpline, "ABCDB", {}, nullptr, atLeast},
        {CubicSpline, "ABCDBCE", {3}, nullptr, nullptr},
        {CubicSpline, "ABCDBCEF", {3}, nullptr, tooFew},
        {CubicSpline, "ABCDBCEFE", {3}, ignoring, tooFew},
        {CubicSpline, "ABCDBCEFF", {3}, nullptr, tooFew},
        {CubicSpline, "ABCDBCEFFG", {3, 1}, nullptr, nullptr},
        {BezierSpline, "", {}, nullptr, nullptr},
        {BezierSpline, "ABBCD", {}, nullptr, perSegment},
        {BezierSpline, "ABBCCDDA", {2}, nullptr, nullptr},
        {BezierSpline, "ABBCCDDAEFFGGEEE", {2, 2}, nullptr, nullptr},
        {BezierSpline, "ABBCEFFA", {}, ignoring, nullptr},
        {BezierSpline, "ABBCCDDB", {}, ignoring, nullptr},
    };
}

// A lathe's or surface of revolution's profile (file units) with the rules it breaks: each
// entry that breaks one and the short text shown for it (-1: the profile as a whole).
struct ProfileRuleCase {
    bool sor;
    int spline;
    std::vector<Point2> points;
    std::vector<std::pair<int, std::string>> breaks;
};

inline std::vector<ProfileRuleCase> ProfileRuleCases() {
    return {
        {false, LinearSpline, {{0, 0}, {1, 1}}, {}},
        {false, LinearSpline, {{0.5, 0}}, {{0, "lathe: too few points"}}},
        {false, QuadraticSpline, {{0, 0}, {1, 1}}, {{1, "lathe: too few points"}}},
        {false, CubicSpline, {{0, 0}, {1, 1}, {1, 2}}, {{2, "lathe: too few points"}}},
        {false, CubicSpline, {{0, 0}, {1, 1}, {1, 2}, {0, 3}}, {}},
        {false,
         BezierSpline,
         {{0, 0}, {1, 1}, {1, 2}, {0, 3}, {1, 4}},
         {{4, "lathe: 4 per segment"}}},
        {false,
         LinearSpline,
         {{-0.5, 0}, {1, 1}, {-1e-6, 2}, {0.5, 3}, {-2, 4}},
         {{0, "lathe: x below 0"}, {2, "lathe: x below 0"}, {4, "lathe: x below 0"}}},
        {false,
         LinearSpline,
         {{-0.5, 0}, {1, 1}, {-0.2, 2}},
         {{0, "lathe: x below 0"}, {2, "lathe: x below 0"}}},
        {true, 0, {{0.5, 0}, {1, 1}, {1, 2}, {0.5, 3}}, {}},
        {true, 0, {{0.5, 0}, {1, 1}, {1, 2}}, {{2, "sor: too few points"}}},
        {true, 0, {{-0.1, 0}, {1, 1}, {1, 2}, {0.5, 3}}, {{0, "sor: x below 0"}}},
        {true, 0, {{0.5, 0}, {1, 1}, {1, 2}, {-0.5, 3}}, {{3, "sor: x below 0"}}},
        {true,
         0,
         {{0.5, 5}, {1, 1}, {1, 2}, {1, 2}, {1, 1.5}, {0.5, -3}},
         {{3, "sor: height must rise"}, {4, "sor: height must rise"}}},
        {true, 0, {{0.5, 2}, {1, 1}, {1, 2}, {0.5, 3}}, {{0, "sor: no start slope"}}},
        {true, 0, {{0.5, 0}, {1, 1}, {1, 2}, {0.5, 1}}, {{3, "sor: no end slope"}}},
    };
}

// A profile as its entries: set 1's points in order.
inline std::vector<WrittenEntry> ProfileEntries(const std::vector<Point2>& points) {
    std::vector<WrittenEntry> entries;
    for (const Point2& p : points) {
        int i = static_cast<int>(entries.size());
        entries.push_back(
            {p, {p.x * 75, p.y * -75}, WrittenRole::Point, WrittenSource::Points, i, 1});
    }
    return entries;
}
