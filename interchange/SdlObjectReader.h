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
    // Makes the outlines of the objects read, once every wrapper has added its modifiers.
    void Finish();
    // A transform modifier (scale, translate, rotate, matrix; transform is kept unevaluated),
    // the word taken and its value next. False once the evaluation has stopped.
    bool Modifier(const PovToken& word, EvaluatedScene::Modifier& modifier);
    static bool IsTransform(const PovToken& token);

private:
    void Keywords(Outline& outline);
    bool Flag(const PovToken& token, Outline& outline);
    bool Header(EvaluatedScene::Object& object, int& count);
    bool Points(EvaluatedScene::Object& object, int count);
    bool Point(const SdlValue& value, int kind, int line, SceneTransform::Vec3& point,
               std::string& refusal);
    bool Matrix(EvaluatedScene::Modifier& modifier);
    bool Modifiers(EvaluatedScene::Object& object);
    bool Float(double& value);
    void Comma();

    SdlInterpreter& _in;
};
