#include "preview/PovrayPicture.h"

#include "io/BoundedFile.h"
#include "preview/PovrayMessages.h"
#include "preview/PovrayRestriction.h"
#include "preview/PreviewFolder.h"
#include "preview/ProgramSearch.h"
#include "scenefile/SceneKind.h"
#include "toolkit/platform/vProcessRunner.h"

namespace {

// Far longer than any drawing takes; a render still going then is taken as stuck.
constexpr int TimeoutSeconds = 120;

}  // namespace

bool CompletePng(const std::string& bytes) {
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    static const char end[] = "IEND\xae\x42\x60\x82";
    return bytes.size() > 20 && bytes.compare(0, 8, signature) == 0 &&
           bytes.compare(bytes.size() - 8, 8, end) == 0;
}

bool RenderPovrayPicture(const PreviewScene& scene, PovrayViews::View view, int width, int height,
                         std::string& png, std::string& messages, const std::string& program) {
    png.clear();
    vProcessRunner* runner = vProcessRunner::Current();
    if (runner == nullptr || !ProgramOnPath(program)) {
        messages = MissingPovrayMessage(program);
        return false;
    }
    if (!scene.Writable()) {
        messages = scene.refusal;
        return false;
    }
    PreviewFolder folder;
    const std::string drawing = std::string("drawing") + SceneKindOf(scene.kind).extension;
    if (!RestrictPovray(folder) || !folder.Write(drawing, scene.text) ||
        !folder.Write("view.pov", PovrayViews::Scene(view, drawing, scene.kind, width, height))) {
        messages = "No temporary file could be written.\n";
        return false;
    }
    const vProcessResult result = runner->RunProcess(
        program, PovrayViews::Arguments(view, "view.pov", "view.png", width, height), folder.Path(),
        TimeoutSeconds);
    messages = PlainPovrayMessages(result.output, drawing);
    if (result.outcome != vProcessResult::Exited || result.exitStatus != 0) {
        messages = PovrayRefusedMessage + messages;
        return false;
    }
    std::string why;
    return BoundedFile::Read(folder.File("view.png").c_str(), BoundedFile::OutputLimit, png, why) &&
           !png.empty();
}
