#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ProfileRules.h"
#include "model/ReadBack.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"
#include "tests/model/PovListCases.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// The curves drawn for prisms, lathes and surfaces of revolution against POV-Ray's own render
// of the same point list: every sampled curve point must lie within a pixel of the edge between
// the object and the background.
namespace {

constexpr int ImageSize = 400;
constexpr double ViewSize = 4.4;  // file units across the image
constexpr int SamplesPerCase = 48;

enum class Object { Prism, Lathe, Sor };

struct CurveCase {
    std::string name;
    Object object;
    int spline;
    std::vector<Point2> points;  // file units, as POV-Ray reads them
};

// The values the writer writes for a drawing of one or two generated stars, as POV-Ray reads
// them: the closing control lines of cubic sets included.
std::vector<Point2> WrittenStar(int spline) {
    KCanvasPane canvas(nullptr);
    canvas.GenerateShape(5, 1.5, 0, 0.5, ShapeStar);
    AddSet(canvas, {{-0.3, -0.2}, {0.4, -0.3}, {0.1, 0.5}});
    canvas.splineType = spline;
    std::vector<Point2> points;
    for (const WrittenEntry& entry : WrittenPoints(canvas, Prism).entries) {
        points.push_back(ReadBack(entry.file));
    }
    return points;
}

// One case a line, as a table.
// clang-format off
std::vector<CurveCase> Cases() {
    return {
        {"prism linear, two outlines, the last closed by POV-Ray", Object::Prism, LinearSpline,
         {{-1.7, -1.5}, {1.6, -1.3}, {1.2, 1.7}, {-1.7, -1.5}, {-0.9, 0.3}, {-0.1, 0.9}, {-1.3, 1.4}}},
        {"prism quadratic, as written", Object::Prism, QuadraticSpline, WrittenStar(QuadraticSpline)},
        {"prism cubic, as written", Object::Prism, CubicSpline, WrittenStar(CubicSpline)},
        {"prism cubic, closed with free slope points", Object::Prism, CubicSpline,
         {{-2, 0.3}, {-1.2, -1.1}, {0.6, -1.6}, {1.7, 0.2}, {0.3, 1.2}, {-1.4, 1.3}, {-1.2, -1.1},
          {1.9, -1.9}}},
        {"prism bezier, as written", Object::Prism, BezierSpline, WrittenStar(BezierSpline)},
        {"prism bezier, two chains", Object::Prism, BezierSpline,
         {{-1.8, -1.6}, {-0.5, -2.3}, {0.6, -0.2}, {1.5, -1.5}, {1.5, -1.5}, {2.4, -0.2}, {-0.8, 0.6},
          {-1.8, -1.6}, {0.2, 0.6}, {1.9, 0.2}, {1.2, 2.3}, {0.4, 1.8}, {0.4, 1.8}, {-0.4, 1.3},
          {-1, 1.2}, {0.2, 0.6}}},
        {"lathe linear", Object::Lathe, LinearSpline,
         {{0.3, -1.8}, {1.2, -1.2}, {0.5, 0.1}, {0.7, 1.1}, {1.6, 1.9}}},
        {"lathe quadratic", Object::Lathe, QuadraticSpline,
         {{0.1, -2.1}, {0.4, -1.8}, {1.4, -1}, {0.6, 0.2}, {0.9, 1.1}, {1.7, 1.8}}},
        {"lathe cubic, free slope points", Object::Lathe, CubicSpline,
         {{1.5, -2.4}, {0.4, -1.8}, {1.5, -1}, {0.5, 0.3}, {0.8, 1.2}, {1.6, 1.8}, {0.2, 2.6}}},
        {"lathe bezier, two runs", Object::Lathe, BezierSpline,
         {{0.3, -1.9}, {1.9, -1.6}, {1.4, -0.4}, {0.6, 0}, {0.6, 0}, {0.1, 0.4}, {0.4, 0.8}, {1.1, 1},
          {1.3, 1.2}, {0.8, 1.4}, {1.9, 1.6}, {1.5, 1.9}}},
        {"sor", Object::Sor, LinearSpline,
         {{0.2, -2.4}, {0.9, -1.8}, {1.5, -1}, {0.5, 0.2}, {0.7, 1}, {1.5, 1.8}, {1.2, 2.6}}},
        {"sor, a stretch with no surface", Object::Sor, LinearSpline,
         {{2.4, -2}, {1, -1.9}, {0.1, -0.9}, {0.8, 0.2}, {1.3, 1.2}, {1.3, 2}}},
    };
}
// clang-format on

std::string Vector(const Point2& p) {
    char text[100];
    std::snprintf(text, sizeof text, "<%.17g,%.17g>", p.x, p.y);
    return text;
}

std::string Scene(const CurveCase& c) {
    static const char* const splines[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                          "bezier_spline"};
    std::string scene =
        "#version 3.7;\nglobal_settings { assumed_gamma 1 }\nbackground { rgb 0 }\n";
    char camera[200];
    std::snprintf(camera, sizeof camera,
                  c.object == Object::Prism
                      ? "camera { orthographic location <0,50,0> direction <0,-1,0> "
                        "right <%g,0,0> up <0,0,%g> }\n"
                      : "camera { orthographic location <0,0,-50> direction <0,0,1> "
                        "right <%g,0,0> up <0,%g,0> }\n",
                  ViewSize, ViewSize);
    scene += camera;
    std::string list = std::to_string(c.points.size());
    for (const Point2& p : c.points) {
        list += ", " + Vector(p);
    }
    const char* look = " pigment { rgb 1 } finish { ambient 1 diffuse 0 } }\n";
    switch (c.object) {
        case Object::Prism:
            return scene + "prism { " + splines[c.spline] + " 0, 1, " + list + look;
        case Object::Lathe:
            return scene + "lathe { " + splines[c.spline] + " " + list + " sturm" + look;
        default:
            return scene + "sor { " + list + " sturm" + look;
    }
}

// Points spread over the curve, in file units.
std::vector<Point2> CurveSamples(const CurveCase& c) {
    std::vector<Point2> samples;
    if (c.object == Object::Sor) {
        std::vector<SorSegment> segments = SorCurve(c.points);
        int each = SamplesPerCase / static_cast<int>(segments.size());
        for (const SorSegment& s : segments) {
            for (int i = 0; i < each; ++i) {
                double u = (i + 0.5) / each;
                if (s.SquareAt(u) >= 0) {
                    samples.push_back(s.At(u));
                }
            }
        }
        return samples;
    }
    SplineCurve curve =
        c.object == Object::Prism ? PrismCurve(c.spline, c.points) : LatheCurve(c.spline, c.points);
    int each = std::max(1, SamplesPerCase / static_cast<int>(curve.segments.size()));
    for (const SplineSegment& s : curve.segments) {
        for (int i = 0; i < each; ++i) {
            samples.push_back(s.At((i + 0.5) / each));
        }
    }
    return samples;
}

// A grey picture read from POV-Ray's binary PPM output; empty when it cannot be read.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    bool Filled(int column, int row) const {
        return rgb[3 * (static_cast<size_t>(row) * width + column) + 1] > 127;
    }
};

Picture ReadPpm(const std::string& path) {
    Picture picture;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic;
    while (in >> std::ws && in.peek() == '#') {  // POV-Ray's comment lines
        std::string comment;
        std::getline(in, comment);
    }
    in >> picture.width >> picture.height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    picture.rgb.resize(3 * static_cast<size_t>(picture.width) * picture.height);
    in.read(reinterpret_cast<char*>(picture.rgb.data()),
            static_cast<std::streamsize>(picture.rgb.size()));
    return in ? picture : Picture{};
}

// The distance, in pixels, from a point of the image plane to the nearest place between a
// filled pixel and an empty neighbour. POV-Ray traces pixel (c, r) through its centre,
// x = ((c + 0.5) / width - 0.5) W and y = (0.5 - (r + 0.5) / height) H.
double EdgeDistance(const Picture& picture, const Point2& p) {
    double column = (p.x / ViewSize + 0.5) * picture.width - 0.5;
    double row = (0.5 - p.y / ViewSize) * picture.height - 0.5;
    constexpr int Reach = 4;
    double best = Reach;
    int c0 = static_cast<int>(std::floor(column));
    int r0 = static_cast<int>(std::floor(row));
    for (int r = std::max(r0 - Reach, 0); r <= std::min(r0 + Reach, picture.height - 1); ++r) {
        for (int c = std::max(c0 - Reach, 0); c <= std::min(c0 + Reach, picture.width - 1); ++c) {
            if (c + 1 < picture.width && picture.Filled(c, r) != picture.Filled(c + 1, r)) {
                best = std::min(best, std::hypot(column - (c + 0.5), row - r));
            }
            if (r + 1 < picture.height && picture.Filled(c, r) != picture.Filled(c, r + 1)) {
                best = std::min(best, std::hypot(column - c, row - (r + 0.5)));
            }
        }
    }
    return best;
}

struct Render {
    bool finished = false;
    std::string log;  // the parser's messages, each run of blanks and line breaks as one blank
    Picture picture;

    bool Says(const char* text) const { return log.find(text) != std::string::npos; }
};

Render RenderScene(const std::string& base, int size) {
    std::string command = "povray -D +FP +W" + std::to_string(size) + " +H" + std::to_string(size) +
                          " '+I" + base + ".pov' '+O" + base + ".ppm' > '" + base + ".log' 2>&1";
    int status = std::system(command.c_str());
    std::string log;
    for (char c : FileText(base + ".log")) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            log += c;
        } else if (!log.empty() && log.back() != ' ') {
            log += ' ';
        }
    }
    Render render;
    render.finished = status == 0 && log.find("POV-Ray finished") != std::string::npos;
    // What the parser said, without the banner and the statistics.
    size_t parsing = log.find("[Parsing...]");
    render.log = log.substr(parsing == std::string::npos ? 0 : parsing, 300);
    render.picture = ReadPpm(base + ".ppm");
    return render;
}

// Renders every case at the size, two at a time: POV-Ray spends most of each run starting up.
// A case may name messages it awaits: the case is rendered again while the log lacks one.
std::vector<Render> RenderAll(const std::vector<CurveCase>& cases, int size,
                              const std::vector<PovMessages>& awaited = {}) {
    TempDir dir;
    std::vector<Render> renders(cases.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < cases.size(); i = next++) {
            std::string base = dir.File("case" + std::to_string(i));
            PutFile(base + ".pov", Scene(cases[i]));
            // POV-Ray now and then ends, or finishes, before it has printed a message.
            PovMessages messages = i < awaited.size() ? awaited[i] : PovMessages{};
            for (int attempt = 0; attempt < 5; ++attempt) {
                const Render& render = renders[i] = RenderScene(base, size);
                bool ended = render.finished || render.Says("Parse Error");
                if (ended && (messages.warning == nullptr || render.Says(messages.warning)) &&
                    (messages.error == nullptr || render.Says(messages.error))) {
                    break;
                }
            }
        }
    };
    std::thread first(worker);
    std::thread second(worker);
    first.join();
    second.join();
    return renders;
}

class PovRayCurvesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v povray > /dev/null 2>&1") != 0) {
            GTEST_SKIP() << "povray is not installed";
        }
    }
};

TEST_F(PovRayCurvesTest, CurvesLieOnTheEdgesOfPovRaysRender) {
    const std::vector<CurveCase> cases = Cases();
    std::vector<Render> renders = RenderAll(cases, ImageSize);
    for (size_t i = 0; i < cases.size(); ++i) {
        ASSERT_TRUE(renders[i].finished && renders[i].picture.width == ImageSize)
            << cases[i].name << "\n"
            << renders[i].log;
        std::vector<double> d;
        for (const Point2& p : CurveSamples(cases[i])) {
            d.push_back(EdgeDistance(renders[i].picture, p));
        }
        ASSERT_GE(d.size(), 30u) << cases[i].name;
        std::sort(d.begin(), d.end());
        std::printf("%-56s %3zu points  max %.2f px  p95 %.2f px\n", cases[i].name.c_str(),
                    d.size(), d.back(), d[d.size() * 95 / 100]);
        EXPECT_LE(d.back(), 1.0) << cases[i].name;
    }
}

// The warnings and errors PrismCurve reports are the ones POV-Ray prints, word for word, and
// it reports none where POV-Ray prints none.
TEST_F(PovRayCurvesTest, PrismListMessagesAreThoseOfPovRay) {
    std::vector<CurveCase> cases;
    std::vector<PovMessages> expected;
    for (const PrismListCase& c : PrismListCases()) {
        cases.push_back({c.letters, Object::Prism, c.spline, PointsOf(c.letters)});
        expected.push_back(PrismCurve(c.spline, cases.back().points).messages);
    }
    std::vector<Render> renders = RenderAll(cases, 16, expected);
    for (size_t i = 0; i < cases.size(); ++i) {
        const PovMessages& said = expected[i];
        const Render& render = renders[i];
        std::string row = std::to_string(cases[i].spline) + " " + cases[i].name + "\n" + render.log;
        EXPECT_TRUE(said.warning ? render.Says(said.warning) : !render.Says("Parse Warning"))
            << row;
        EXPECT_TRUE(said.error ? render.Says(said.error) : render.finished) << row;
    }
}

// A profile POV-Ray refuses breaks a rule that carries the message POV-Ray gives; one that breaks
// only the writer's stricter rule, or none, renders without a word.
TEST_F(PovRayCurvesTest, ProfileRuleMessagesAreThoseOfPovRay) {
    std::vector<CurveCase> cases;
    for (const ProfileRuleCase& c : ProfileRuleCases()) {
        cases.push_back({"", c.sor ? Object::Sor : Object::Lathe, c.spline, c.points});
    }
    std::vector<Render> renders = RenderAll(cases, 16);
    for (size_t i = 0; i < cases.size(); ++i) {
        std::vector<WrittenEntry> entries = ProfileEntries(cases[i].points);
        std::vector<RuleBreak> breaks = cases[i].object == Object::Sor
                                            ? SorRuleBreaks(entries)
                                            : LatheRuleBreaks(cases[i].spline, entries);
        bool refused = false;
        bool named = false;
        for (const RuleBreak& b : breaks) {
            refused = refused || b.povrayMessage != nullptr;
            named = named || (b.povrayMessage != nullptr && renders[i].Says(b.povrayMessage));
        }
        EXPECT_EQ(renders[i].finished, !refused) << "case " << i << "\n" << renders[i].log;
        EXPECT_EQ(named, refused) << "case " << i << "\n" << renders[i].log;
        EXPECT_TRUE(refused || !renders[i].Says("Parse Warning")) << "case " << i << "\n"
                                                                  << renders[i].log;
    }
}

}  // namespace
