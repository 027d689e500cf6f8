#include <cstdio>
#include <cstring>
#include <string>

#include "tools/ToolCommand.h"
#include "tools/ToolHelp.h"

namespace {

// Every line after the first indented by `rest`; the first by `first`.
std::string Indented(const char* text, int first, int rest) {
    std::string indented(static_cast<size_t>(first), ' ');
    for (const char* c = text; *c != '\0'; ++c) {
        indented += *c;
        if (*c == '\n') {
            indented.append(static_cast<size_t>(rest), ' ');
        }
    }
    return indented + "\n";
}

const char* const Description = R"(
DESCRIPTION
  Reads, writes and changes Vexlin drawings (.pol polygons, .prm prisms, .lat lathes, .sor
  surfaces of revolution) without a window, with the editor's own reader, writer, transforms
  and shape generator. A file is read as the editor opens it: the declaration ("prism{",
  "polygon{", "lathe{", "sor{", or a union of lathes or sors) gives the kind; where it names
  none, ".prm" at the end of the name means a prism, anything else a polygon. Only a regular
  file of at most 64 MiB is read, never through a link that another user made in a folder
  everybody may write. Scene text that the drawing does not keep (text before a remark's
  "//", after a line's numbers, lines before the declaration or after its end) is named in a
  note on standard error; a file written from the drawing leaves it out, and a scene made by
  "scene" holds the drawing's own text, never the file read.
  vexlin-tool help COMMAND, or vexlin-tool COMMAND --help, prints the part of this manual
  about one command. Vexlin )" VEXLIN_VERSION R"( is free software under the MIT licence.

COMMANDS
)";

const char* const DrawingOptions = R"(
DRAWING OPTIONS
  Applied to the drawing before it is written; values not given are kept.
  --kind polygon|prism|lathe|sor
                           the kind to write (default: the kind read, or polygon)
  --spline linear|quadratic|cubic|bezier
  --sweep linear|conic
  --start H, --end H       prism heights
  --open 0|1, --sturm 0|1
  --remark1 T, --remark2 T, --remark3 T
                           the three lines at the head of the file, at most 89 characters
                           and no line break; one that does not begin with "//" is written
                           with "// " before it, so that the file stays valid scene text,
                           and then keeps at most 86 characters of its own
  The writer's rules apply: a name whose last part (after the last "/") has no "." gets the
  kind's extension (".pol", ".prm", ".lat", ".sor"), at any length the system takes; a name
  ending in one of them is written as that kind; a name that is a device or a named pipe is
  refused before any extension is added. A lathe or a surface of revolution is written only
  when every profile keeps POV-Ray's rules (every radius x at least 0, enough points for the
  spline, a sor's heights rising): otherwise exit 6 names the set, the point and the rule,
  and nothing is written. The name written is printed.
)";

const char* const Closing = R"(
SAVING
  Every file written (drawing, scene, picture) keeps its old content or gets all of the new:
  the new bytes go to a temporary file beside it, readable by nobody else, synced and renamed
  over it once complete, and the folder is synced after; temporary files that killed saves
  left in the folder are removed. A file whose folder takes no new file, or that has other
  names (hard links), is rewritten in place under a lock, its new bytes first synced to a
  journal in $XDG_STATE_HOME/vexlin/recovery (~/.local/state/vexlin/recovery), and a second
  save at the same time fails. A
  write-protected file is not replaced, a symbolic link that points nowhere is refused, a
  link that another user made in a folder everybody may write (such as /tmp) is not
  followed, and a value that is not finite is never written. A refused save prints
  "FILE: Unable to save file: REASON". A prism written as a polygon (a name ending in
  ".pol") loses its prism values, and a lathe or sor written as a polygon or prism is no
  longer turned about the axis: a note says so.

EXIT STATUS
  0      success
  1..5   the file could not be read: 1 "Unable to open file.", 2 "{ NOT found",
         3 "Prm Data BAD", 4 "Error in body of data", 5 "Spline/Sweep Not right",
         printed as "FILE: line N: TEXT" with the line where reading stopped; a file holding
         a POV-Ray prism or polygon that only import reads gets "try: vexlin-tool import"
  6      "FILE: Unable to save file: REASON", with the system's reason or the rule a lathe's
         or sor's profile breaks
  7      "FILE: may be torn: a save that rewrote it was cut short; its new content is kept
         in JOURNAL": a rewrite in place was killed, and JOURNAL holds the new bytes
  64     bad arguments or refused values: a one-line reason that names the argument is
         printed, then where the command's help is
  65     the shape was not added: the drawing has an unfinished set or no room for it
  66     import or export found nothing it could use (the reason is printed)
  67     render --picture povray made no picture: POV-Ray is not installed or refused the
         drawing (its messages are printed)
  68     combine, offset, wall or convert --keep-shape refused the drawing (the reason
         is printed)
  69     trace made no drawing: potrace is not installed or failed, or the picture has no ink

FILES
  vexlin-tool reads no settings. The editor, vexlin(1), keeps its own in
  $XDG_CONFIG_HOME/vexlin/Vexlin.ini (~/.config/vexlin/Vexlin.ini when XDG_CONFIG_HOME is
  not set); its manual, Vexlin.hlp, is installed in /usr/share/vexlin.

EXAMPLES
  vexlin-tool shape star --style star --points 5 --function 0.5 --kind prism --spline cubic
      writes star.prm, a cubic prism star
  vexlin-tool transform star.prm big.prm --scale 1.5 --rotate 45
      a copy half as large again, turned by 45 degrees
  vexlin-tool scene big.prm big.pov && povray +W400 +H300 +Ibig.pov
      a scene that shows the drawing, rendered by POV-Ray
  vexlin-tool import logo.svg logo.prm --fit --end 0.35
      an SVG logo as a prism fitted into the canvas
  vexlin-tool import scene.pov vase.lat --name Vase --fit
      a lathe of a POV-Ray scene, scaled about its axis into the canvas

SEE ALSO
  vexlin(1), povray(1)
)";

void PrintSynopsis() {
    for (const ToolCommand* command = ToolCommands; command->name != nullptr; ++command) {
        std::fputs(
            Indented((std::string("vexlin-tool ") + command->synopsis).c_str(), 2, 18).c_str(),
            stdout);
    }
    std::fputs("  vexlin-tool help COMMAND\n  vexlin-tool --help | --version\n", stdout);
}

bool TakesDrawingOptions(const ToolCommand& command) {
    return std::strstr(command.synopsis, "[drawing options]") != nullptr;
}

}  // namespace

void PrintManual() {
    std::printf("NAME\n  vexlin-tool - batch tool for Vexlin drawings\n\nSYNOPSIS\n");
    PrintSynopsis();
    std::fputs(Description, stdout);
    for (const ToolCommand* command = ToolCommands; command->name != nullptr; ++command) {
        std::printf("%s%s", command == ToolCommands ? "" : "\n",
                    Indented(command->synopsis, 2, 8).c_str());
        std::fputs(Indented(command->help, 6, 6).c_str(), stdout);
    }
    std::fputs(DrawingOptions, stdout);
    std::fputs(Closing, stdout);
}

void PrintCommandHelp(const char* name) {
    const ToolCommand* command = FindToolCommand(name);
    if (command == nullptr) {
        return;
    }
    const std::string usage = std::string("usage: vexlin-tool ") + command->synopsis;
    std::fputs(Indented(usage.c_str(), 0, 19).c_str(), stdout);
    std::fputs(("\n" + Indented(command->help, 2, 2)).c_str(), stdout);
    if (TakesDrawingOptions(*command)) {
        std::fputs(DrawingOptions, stdout);
    }
    std::fputs("\nExit status and saving: vexlin-tool --help.\n", stdout);
}

void PrintVersion() {
    std::printf("vexlin-tool %s\n", VEXLIN_VERSION);
}
