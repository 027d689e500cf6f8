#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/GlyphOutline.h"
#include "model/Drawing.h"
#include "model/ModelUnits.h"
#include "model/NumberText.h"
#include "toolkit/platform/vGlyphOutlines.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "tools/DrawingOptions.h"
#include "tools/ImportedDrawing.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"

namespace {

// The family drawings' text is set in when none is asked for: the one the package depends on.
const char* const DefaultFamily = "DejaVu Sans";

struct TextOptions {
    const char* family = DefaultFamily;
    double size = 1;     // file units
    double spacing = 0;  // file units
};

OptionResult TakeTextOption(const char* name, ToolArguments& args, TextOptions& text,
                            DrawingOptions& options) {
    const bool size = std::strcmp(name, "size") == 0;
    if (!size && std::strcmp(name, "spacing") != 0 && std::strcmp(name, "font") != 0) {
        return options.Take(name, args);
    }
    const char* value = nullptr;
    if (!args.Value(value)) {
        return OptionStatus::MissingValue;
    }
    if (std::strcmp(name, "font") == 0) {
        text.family = value;
        return OptionResult();
    }
    double number = 0;
    const bool read = ReadNumber(value, number) && std::fabs(number) <= 1000;
    if (size) {
        text.size = read && number > 0 ? number : text.size;
        return OptionResult::TakenIf(read && number > 0, "not a size above 0, at most 1000");
    }
    text.spacing = read ? number : text.spacing;
    return OptionResult::TakenIf(read, "not a spacing from -1000 to 1000");
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// How many letters to change, add or remove to make one name the other, case aside.
size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The three installed families whose names come nearest the one asked for.
std::string NearestFamilies(const std::string& asked, std::vector<std::string> families) {
    const std::string wanted = Lower(asked);
    std::stable_sort(families.begin(), families.end(),
                     [&wanted](const std::string& a, const std::string& b) {
                         return EditDistance(wanted, Lower(a)) < EditDistance(wanted, Lower(b));
                     });
    std::string nearest;
    for (size_t i = 0; i < families.size() && i < 3; ++i) {
        nearest += (i > 0 ? ", " : "") + families[i];
    }
    return nearest;
}

}  // namespace

int RunText(int argc, char** argv) {
    TextOptions text;
    DrawingOptions options;
    std::vector<const char*> words;
    const int parsed =
        ParseToolArguments("text", argc, argv, words, [&](const char* name, ToolArguments& args) {
            return TakeTextOption(name, args, text, options);
        });
    if (parsed != ToolContinue) {
        return parsed;
    }
    vHeadlessSession session;
    vGlyphOutlines* glyphs = vGlyphOutlines::Current();
    std::vector<GlyphContour> contours;
    std::string why;
    const GlyphRequest request{words[0], text.family, text.size * ModelUnitsPerFileUnit,
                               text.spacing * ModelUnitsPerFileUnit};
    if (glyphs == nullptr || !glyphs->Outline(request, contours, why)) {
        std::fprintf(stderr, "text: %s%s\n", why.c_str(),
                     glyphs == nullptr ? ""
                                       : ("; the nearest are: " +
                                          NearestFamilies(text.family, glyphs->Families()))
                                             .c_str());
        return ExitImportRefused;
    }
    GlyphOutline lettering = OutlineOfGlyphs(contours);
    Outline& outline = lettering.outline;
    if (outline.sets.empty()) {
        std::fprintf(stderr, "text: \"%s\" has no outline to draw\n", words[0]);
        return ExitImportRefused;
    }
    if (outline.EntryCount() > MaxPoints || static_cast<int>(outline.sets.size()) > MaxSets) {
        std::fprintf(stderr,
                     "text: \"%s\" needs %d entries in %zu sets; a drawing holds %d entries in "
                     "%d sets\n",
                     words[0], outline.EntryCount(), outline.sets.size(), MaxPoints, MaxSets);
        return ExitImportRefused;
    }
    ImportReport report;
    if (lettering.united > 0) {
        report.Note(
            Printed("overlapping contours united in %d place%s, curves within %.3g file units",
                    lettering.united, lettering.united == 1 ? "" : "s", lettering.deviation));
    }
    return WriteImportedDrawing(outline, report, true, {"text", words[0], words[1], false, false},
                                options);
}
