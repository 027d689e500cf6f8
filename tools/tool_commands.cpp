#include <cstring>

#include "tools/ToolCommand.h"

const ToolCommand ToolCommands[] = {
    {"info",
     RunInfo,
     {"FILE"},
     1,
     "info FILE [--points]",
     R"(Prints the drawing's values, one "name: value" line each: kind, spline, sweep, start,
end, open, sturm, points, sets, set-ends, remark1, remark2, remark3. With --points, then
one line per point "I X Y C1X C1Y C2X C2Y" in model units (75 to a file unit, y down).)"},
    {"convert",
     RunConvert,
     {"IN", "OUT"},
     2,
     "convert IN OUT [--keep-shape] [--tolerance T] [drawing options]",
     R"(Reads IN, applies the drawing options and writes OUT. A new --spline keeps the points
and handles, which changes the curve: a note says so. With --keep-shape the points are
chosen anew so that POV-Ray draws the same curve (prisms and lathes): exactly for
bezier (from any spline), else within T file units (default 0.1 % of the drawing's
size), the largest deviation said in a note. A conversion that would need more than
500 entries or 99 sets is refused with what it needs (exit 68).)"},
    {"shape",
     RunShape,
     {"OUT"},
     1,
     "shape OUT [--into IN] --style polygon|ranpoly|random|star [--points N] [--size S]\n"
     "[--rotate DEG] [--function F] [--seed N] [--canvas WxH] [drawing options]",
     R"(Adds one generated shape, as the editor's "add Shape" does, to an empty drawing or to
the drawing read from IN, and writes OUT. Values are clamped as the shape dialog does:
points 3..100 (default 3), size 0.0001..2, else 1.0 (default 1.0), rotate 0..360
(default 0), function 0..1 (default 0.0). --canvas sets the canvas size in pixels
(default 300x300), which sets the shape's radius. --seed N makes random shapes
repeatable; without it the random source is seeded with the time. Written as a lathe or
a sor, the shape is placed right of the axis: its leftmost point at x = 0.1.)"},
    {"transform",
     RunTransform,
     {"IN", "OUT"},
     2,
     "transform IN OUT [--center] [--flip] [--mirror-x] [--rotate DEG] [--scale F]\n"
     "[--about X,Y] [drawing options]",
     R"(Reads IN, applies the transforms in the order given and writes OUT: --center moves the
drawing's mean point to the origin, --flip mirrors it top to bottom, --mirror-x left to
right, --rotate turns it DEG degrees, --scale scales it by F, about the origin or about
the file point X,Y that --about names. Handles move with their points. F must not be 0
and must fit single precision. A transform whose result would not be finite leaves
the drawing as it is.)"},
    {"scene",
     RunScene,
     {"IN", "OUT.pov"},
     1,
     "scene IN [OUT.pov]",
     R"(Writes (to OUT.pov, or to standard output) a small POV-Ray scene that includes IN and
shows its object Thing facing the camera, lit and framed: povray +IOUT.pov. Warns on
standard error when the drawing has an unfinished set, which POV-Ray refuses in a prism
and closes itself in a polygon. A lathe or a sor is seen from the front, framed by its
profiles turned about the axis. A name holding a line break or a double quote cannot
be named in a scene and is refused, and so is OUT.pov naming IN itself.)"},
    {"render",
     RunRender,
     {"IN", "OUT.png"},
     2,
     "render IN OUT.png [--size WxH] [--picture normal|curves|set:K|povray] [--exact] "
     "[--zoom Z] [--centre X,Y] [--grid SPACING] [--keep-proportions]",
     R"(Draws IN as the editor's canvas of that size shows it (default 300x300, at most
8192 a side) and saves the picture as a PNG, with no display: normal is the grid and
the outline with its markers, curves every finished set as its spline curve, set:K
the curve of set K with its markers and handle lines. OUT.png must not be IN, and a
name ending in another picture type (.jpg, .gif, .bmp, .svg ...) is refused.
povray has POV-Ray render the drawing, as a save would write it, seen straight down
and framed as the canvas frames it (file x to the right, file y up, -2 to 2 across,
with the canvas's grid lines): the preview window's top view; a lathe or a sor is seen
from the front, framed alike, and rendered with sturm. POV-Ray's errors and warnings,
or the rules a lathe's or sor's profiles break, are printed to standard error.
--exact draws the finished sets of a quadratic, cubic or bezier prism as the curves
POV-Ray renders, as the editor's View > POV-Ray curves does (normal, curves and set:K);
a lathe's or sor's profiles are always drawn so. --zoom Z (0.0625 to 64) and --centre
X,Y (the file position in the middle of the picture) show the view the editor would;
--grid SPACING draws the snap grid of that spacing in file units (0.001 to 10), as
View > Snap to grid does. --keep-proportions uses one scale on both axes, fitted to the
smaller side and centred, as View > Keep proportions does: a circle stays round on a
picture that is not square.)"},
    {"import",
     RunImport,
     {"IN", "OUT"},
     1,
     "import IN [OUT] [--list | --name NAME | --object N | --all] [--fit] [drawing options]",
     R"(Reads the outline of a POV-Ray scene or include file, or of an SVG document (told apart
by the content), and writes it as a drawing with the editor's writer (OUT is needed but
with --list).
POV-Ray: the scene is evaluated as the ray tracer parses it (identifiers, expressions,
#if, #switch, #while, #for, macros, include files beside the scene; standard include
files and file directives are passed over with a note) and every prism, polygon, lathe
and sor it creates is found, in the order it creates them, inside any CSG object.
--list prints one line per object: number, kind, spline, sweep, points, sets, line and
name or CSG path. The first object is imported, or object N (--object N), or the one
declared as NAME (a CSG object: its first member); --all writes each as OUT-1.EXT,
OUT-2.EXT, ... with its kind's extension. Evaluation stops, with the line, past
1,000,000 loop rounds, 10,000,000 steps, macros 100 deep or include files 10 deep.
Modifiers of the object and of the CSG objects around it that keep its plane are
applied to the points: for a prism scale, translate and rotate about y (the heights
follow), for a lathe or sor a uniform scale, turns about y and moves along it, for a
polygon any, its plane then put into z = 0 with a note naming the matrix that gives
the original back; others are dropped with a note. An object inside a macro that is
never invoked is listed, and refused naming the macro and the parameters it needs.
Sub-outlines become sets; heights, spline, sweep and control points carry
over, and so do a cubic prism's own closing control points and a cubic lathe's own end
slope point. A lathe or a sor is one profile, one set: a lathe's is open unless it ends on
its first point; --fit scales it about the axis into the canvas.
SVG: path (every command), polygon, polyline, rect, circle and ellipse elements, with
the transforms of elements and groups. Every subpath becomes a set; curves become
bezier handles, so the drawing is a bezier prism, or linear when all is straight.
Without --fit, 75 SVG user units make one file unit, y flipped (SVG's points down);
--fit scales and centres the outline into the visible canvas (within 2 file units of
the centre).
A drawing holds 500 entries and 99 sets: a larger outline is simplified until it fits
(Ramer-Douglas-Peucker on the flattened curve, said in a note), more sets are refused.
Notes on what was changed go to standard error; a note that every element of a large
file would earn is given ten times, then counted. The kind is the source's, or prism for
SVG; a polygon, or --spline linear, turns curves into straight segments. The file
written must not be IN.)"},
    {"export-svg",
     RunExportSvg,
     {"IN", "OUT.svg"},
     2,
     "export-svg IN OUT.svg [--exact]",
     R"(Writes the drawing as an SVG document for a browser: every set a closed subpath, drawn
as the canvas previews the spline (lines, or the quadratic, cubic or bezier curves).
With --exact, every finished set of a quadratic, cubic or bezier prism is instead the
curve POV-Ray renders from the file as the editor writes it, each segment a cubic
bezier. 75 user units make one file unit, so import gives back the finished sets where
they were (with --exact, the curves' own points), as bezier curves or straight lines;
the prism values are not in the document, and import closes the unfinished set, or
leaves it out when it is too short (both said in a note). A lathe or a sor is drawn as
its profiles, each an open line of POV-Ray's own curve. A drawing so large that a
number of the document would not be finite is refused (exit 66). OUT.svg must not be
IN.)"},
    {"trace",
     RunTrace,
     {"PICTURE", "OUT"},
     2,
     "trace PICTURE OUT [--threshold T] [--despeckle N] [--smooth A] [--invert] [--fit]\n"
     "[drawing options]",
     R"(Traces the dark shapes of a picture (PNG, JPEG, BMP, GIF) into a bezier drawing, with
the potrace program (Debian package potrace), and writes it as import writes an SVG
document: a pixel is a model unit, 75 to a file unit, where the picture lies; --fit scales
and centres it into the canvas. A pixel darker than T (0-256, default 128) by its
luminance is ink, or lighter with --invert; transparent pixels never are. Specks of at
most N pixels (default 2) are left out; A (0-1.334, default 1) rounds corners, 0 keeping
all of them. A trace larger than a drawing holds is simplified as import simplifies.
Without potrace, or with no ink in the picture, the exit is 69.)"},
    {"text",
     RunText,
     {"TEXT", "OUT"},
     2,
     "text TEXT OUT [--font FAMILY] [--size H] [--spacing S] [drawing options]",
     R"(Writes the outlines of TEXT, shaped and kerned by the system's text layout, as a bezier
prism (or, with --kind polygon, flattened to straight sets): every contour of every letter
is a set, so POV-Ray fills a letter and leaves its holes open. Contours that overlap
(accents, joined scripts, letters spaced tight) are united first, as the font fills them,
their curves fitted back within a ten-thousandth of the text's size; a note says where.
FAMILY is an installed
font family (default DejaVu Sans); one that is not installed is refused with the three
nearest. H is the font's size in file units (default 1), S the room added after every
letter in file units (default 0). The first letter starts at the origin, on the baseline.
A text needing more than 500 entries or 99 sets is refused with what it needs (exit 66).)"},
    {"combine",
     RunCombine,
     {"IN", "OUT"},
     2,
     "combine IN OUT --union|--difference|--intersection|--xor [--sets 1,3]",
     R"(Combines the sets (all finished sets, or those --sets lists), each taken as POV-Ray
fills it (even-odd), and writes the result in their place: the union, the difference
(the lowest-numbered set less the others), the intersection or the exclusive or. The
outlines are clipped on an integer grid of about 2 * 10^9 steps across the sets, so
straight lines stay straight and exact to that grid. A polygon or a linear prism gets
straight sets; a bezier prism's curves are flattened, clipped and fitted back to bezier
segments, and the largest distance of the fitted curves from the clipped outline is
printed. Quadratic and cubic prisms, lathes and sors are refused (exit 68), and so is
a result beyond the drawing's 500 entries and 99 sets, with what it needs.)"},
    {"offset",
     RunOffset,
     {"IN", "OUT"},
     2,
     "offset IN OUT --by D [--join round|miter|square] [--sets 1,3]",
     R"(Grows the region the sets fill together (even-odd) by D file units, or shrinks it when
D is below 0, so that holes shrink as the outline grows, and writes it in their place;
corners are joined round (the default), mitred or squared. Parts that vanish and holes
that close are left out, each said in a note. Lines and curves as for combine.)"},
    {"wall",
     RunWall,
     {"IN", "OUT"},
     2,
     "wall IN OUT --thickness D [--inside|--outside] [--lip round|flat] [--sets 1,3]",
     R"(Makes each profile of a linear or bezier lathe, as drawn without its closing line, a
closed profile of even thickness D: the profile, the line D beside it on the inside
(the side the profile encloses with the axis, the default) or the outside, and a round
(the default) or flat lip at each end that does not rest on the axis. Nothing reaches
below x = 0, and the drawing's profiles become closed. A wall that would break a lathe
rule is refused with the rule, and a sor is refused: its heights must rise, so it cannot
hold a closed wall.)"},
    {nullptr, nullptr, {}, 0, nullptr, nullptr},
};

const ToolCommand* FindToolCommand(const char* name) {
    for (const ToolCommand* command = ToolCommands; command->name != nullptr; ++command) {
        if (std::strcmp(command->name, name) == 0) {
            return command;
        }
    }
    return nullptr;
}
