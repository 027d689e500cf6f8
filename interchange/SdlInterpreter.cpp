#include "interchange/SdlInterpreter.h"

#include "interchange/ImportReport.h"
#include "interchange/SdlLimits.h"

SdlInterpreter::SdlInterpreter(std::string folder, EvaluatedScene& scene)
    : folder(std::move(folder)),
      scene(scene),
      expressions(*this),
      control(*this),
      directives(*this),
      macros(*this),
      walker(*this),
      objects(*this) {
    source.onLeave = [this](const SdlFrame& frame) { LeaveFrame(frame); };
}

void SdlInterpreter::Run(const std::string& text) {
    size_t file = 0;
    std::string why;
    if (!source.AddFile("", text, file, why)) {
        scene.error = why;
        return;
    }
    source.Enter(source.WholeFile(SdlFrame::Scene, file));
    if (walker.Walk()) {
        macros.ReportUnreached();
    }
    objects.Finish();
    directives.NoteSkipped();
}

bool SdlInterpreter::Settle() {
    for (;;) {
        if (Failed()) {
            return false;
        }
        if (source.Steps() > SdlLimits::Steps) {
            return FailAtBound(source.Line(), "the scene takes more than " +
                                                  Grouped(SdlLimits::Steps) +
                                                  " evaluation steps; the import stops here");
        }
        const PovToken& token = source.Peek();
        if (token.kind == PovToken::Directive) {
            directives.Execute();
        } else if (token.kind == PovToken::Word && source.Second().IsSymbol('(') &&
                   macros.Has(token.text)) {
            macros.Invoke();
        } else {
            return true;
        }
    }
}

void SdlInterpreter::SettleClosers() {
    while (!Failed()) {
        const PovToken token = source.Peek();
        if (token.kind != PovToken::Directive || token.text == "#if" || token.text == "#ifdef" ||
            token.text == "#ifndef" || token.text == "#switch" || token.text == "#while" ||
            token.text == "#for" || !SdlControl::Handles(token)) {
            return;
        }
        control.Execute(token);
    }
}

bool SdlInterpreter::Fail(int line, const std::string& message) {
    if (!Failed()) {
        scene.error = Where(line) + ": " + message;
    }
    return false;
}

bool SdlInterpreter::FailAtBound(int line, const std::string& message) {
    if (!Failed()) {
        scene.overBound = true;
    }
    return Fail(line, message);
}

void SdlInterpreter::Note(int line, const std::string& message) {
    scene.notes.push_back(Where(line) + ": " + message);
}

std::string SdlInterpreter::Where(int line) const {
    const std::string& file = source.Depth() > 0 ? source.FileName(source.FileIndex()) : "";
    return (file.empty() ? "" : file + " ") + "line " + std::to_string(line);
}

void SdlInterpreter::RecordName(const std::string& name, int line, int object, bool group) {
    auto found = _names.find(name);
    if (found == _names.end()) {
        _names[name] = scene.names.size();
        scene.names.push_back({name, line, object, group});
    } else if (scene.names[found->second].object < 0 && object >= 0) {
        scene.names[found->second] = {name, line, object, group};
    }
}

void SdlInterpreter::LeaveFrame(const SdlFrame& frame) {
    control.LeaveFrame(frame);
    if (frame.kind == SdlFrame::Macro) {
        macros.Leave();
    } else {
        scopes.Pop();
    }
}
