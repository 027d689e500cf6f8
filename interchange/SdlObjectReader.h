#pragma once

#include <string>
#include <vector>

#include "interchange/EvaluatedScene.h"
#include "interchange/PovToken.h"
#include "interchange/SdlValue.h"

class SdlInterpreter;

// Reads a prism, polygon, lathe or sor of the evaluated scene, its values computed as the ray
// tracer computes them, and adds it to the scene's objects. An object whose values do not make
// an outline (too few points, points off the plane) is kept with the reason and the scene goes
// on; an expression that cannot be evaluated stops the scene, as it stops the ray tracer.
class SdlObjectReader {
public:
    explicit SdlObjectReader(SdlInterpreter& in) : _in(in) {}

    // The object's keyword is next; name is the identifier declared as it, if any. False once
    // the evaluation has stopped.
    bool Read(const std::string& name);

private:
    void Keywords(Outline& outline);
    bool Flag(const PovToken& token, Outline& outline);
    bool Header(EvaluatedScene::Object& object, int& count);
    bool Points(EvaluatedScene::Object& object, int count);
    bool Point(const SdlValue& value, int kind, int line, Point2& point, std::string& refusal);
    bool Modifiers(EvaluatedScene::Object& object);
    bool Float(double& value);
    void Comma();

    SdlInterpreter& _in;
    std::vector<Point2> _listed;
    std::vector<int> _lines;
};
