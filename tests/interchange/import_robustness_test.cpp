#include <gtest/gtest.h>

#include <string>

#include "interchange/OutlinePreparation.h"
#include "interchange/PovImport.h"
#include "interchange/SvgImport.h"
#include "interchange/SvgPathData.h"
#include "support/TestRandom.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Damaged input: the samples with bytes changed, cut short or repeated. Every importer either
// takes it or says why not, and what it takes can be prepared or is refused with a reason.
namespace {

std::string Damaged(const std::string& text, TestRandom& random) {
    static const char pieces[] = "<>{}(),.-+e0123456789 \n/*\"#MmCcQqAaZz";
    std::string damaged = text;
    int changes = random.Between(1, 8);
    for (int i = 0; i < changes && !damaged.empty(); ++i) {
        size_t at = random.Below(damaged.size());
        switch (random.Below(4)) {
            case 0:
                damaged[at] = pieces[random.Below(sizeof pieces - 1)];
                break;
            case 1:
                damaged.erase(at, 1 + random.Below(20));
                break;
            case 2:
                damaged.insert(at, damaged.substr(at, random.Below(40)));
                break;
            default:
                damaged.resize(at);
                break;
        }
    }
    return damaged;
}

TEST(ImportRobustnessTest, DamagedSamplesAreTakenOrRefusedWithAReason) {
    const std::string svg = FileText(VEXLIN_SOURCE_DIR "/examples/vexlin-logo.svg");
    const std::string pov = FileText(VEXLIN_SOURCE_DIR "/examples/hand-written-prism.pov");
    ASSERT_FALSE(svg.empty());
    ASSERT_FALSE(pov.empty());
    TestRandom random(2024);
    for (int round = 0; round < 1500; ++round) {
        for (bool isSvg : {true, false}) {
            std::string text = Damaged(isSvg ? svg : pov, random);
            Outline outline;
            ImportReport report;
            bool read = isSvg
                            ? ImportSvg(text, outline, report)
                            : ImportPovScene(text, round % 2 ? "Tooth" : nullptr, outline, report);
            if (!read || !PrepareOutline(outline, outline.prism.spline, round % 3 == 0, report)) {
                EXPECT_FALSE(report.error.empty()) << text;
                continue;
            }
            EXPECT_LE(outline.EntryCount(), 500) << text;
            EXPECT_LE(outline.sets.size(), 99u) << text;
            std::vector<SvgSubpath> subpaths;
            std::string error;
            ParseSvgPathData(text.c_str() + random.Below(text.size() + 1), subpaths, error);
        }
    }
}

}  // namespace
