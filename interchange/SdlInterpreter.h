#pragma once

#include <string>
#include <unordered_map>

#include "interchange/EvaluatedScene.h"
#include "interchange/SdlControl.h"
#include "interchange/SdlDirectives.h"
#include "interchange/SdlExpressions.h"
#include "interchange/SdlMacros.h"
#include "interchange/SdlObjectReader.h"
#include "interchange/SdlSceneWalker.h"
#include "interchange/SdlScopes.h"
#include "interchange/SdlSource.h"

// Evaluates POV-Ray scene text as the ray tracer parses it, far enough to know every prism,
// polygon, lathe and sor it creates: identifiers and expressions, conditions, loops, macros and
// include files beside the scene. It owns the parts that do each, and they reach one another
// through it. It never runs what would touch files or programs, and stops at the limits of
// SdlLimits.
class SdlInterpreter {
public:
    // folder: where include files are looked for ("" for none).
    SdlInterpreter(std::string folder, EvaluatedScene& scene);

    void Run(const std::string& text);

    // Runs the directives and macro invocations that stand next, so that what follows is a
    // token of the scene; false once the evaluation has stopped.
    bool Settle();
    // Runs only the directives that close or continue a block: #end, #else, #elseif, #break,
    // #case and #range.
    void SettleClosers();
    // Stops the evaluation with the reason, said of the line; returns false.
    bool Fail(int line, const std::string& message);
    bool FailAtBound(int line, const std::string& message);
    bool Failed() const { return !scene.error.empty(); }
    void Note(int line, const std::string& message);
    // "line N", or "FILE line N" inside an include file.
    std::string Where(int line) const;
    void RecordName(const std::string& name, int line, int object, bool group);

    std::string folder;
    EvaluatedScene& scene;
    double version = 3.7;
    SdlSource source;
    SdlScopes scopes;
    SdlExpressions expressions;
    SdlControl control;
    SdlDirectives directives;
    SdlMacros macros;
    SdlSceneWalker walker;
    SdlObjectReader objects;

private:
    void LeaveFrame(const SdlFrame& frame);

    std::unordered_map<std::string, size_t> _names;
};
