#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>

#include "interchange/PovSceneImport.h"
#include "interchange/SdlArray.h"
#include "interchange/SdlInterpreter.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// The scene language as the importer evaluates it: values, directives, and where it stops.
namespace {

// The value the scene leaves in Result, or an opaque value saying why it left none.
SdlValue ResultOf(const std::string& text) {
    EvaluatedScene scene;
    SdlInterpreter interpreter("", scene);
    interpreter.Run(text);
    const SdlValue* result = interpreter.scopes.Find("Result");
    return result != nullptr && scene.error.empty() ? *result : SdlValue::Unusable(scene.error);
}

::testing::AssertionResult SameValue(const SdlValue& a, const SdlValue& b) {
    bool same =
        a.kind == b.kind && a.text == b.text && (a.kind != SdlValue::Vector || a.size == b.size);
    for (int i = 0; same && a.IsNumeric() && i < a.size; ++i) {
        same = std::fabs(a.v[static_cast<size_t>(i)] - b.v[static_cast<size_t>(i)]) < 1e-9;
    }
    if (same) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << a.Describe() << " " << a.v[0] << "," << a.v[1] << "," << a.v[2] << " '" << a.text
           << "' / " << b.Describe() << " " << b.v[0] << "," << b.v[1] << "," << b.v[2] << " '"
           << b.text << "'";
}

// Each expression against a plainer one of the same value.
TEST(SdlEvaluationTest, ExpressionsHaveTheRayTracersValues) {
    const struct {
        const char* expression;
        const char* same;
    } pairs[] = {
        {"1 + 2 * 3 - 4 / 8", "6.5"},
        {"-2 * -(3 - 1)", "4"},
        {"<1, 2> + <1, 2, 3> * 2", "<3, 6, 6>"},
        {"2 * <1, 2>", "<2, 4>"},
        {"<1, 2, 3, 4, 5> - 1", "<0, 1, 2, 3, 4>"},
        {"<1, 2, 3>.z + <4, 5>.v + x.x + t.t", "10"},
        {"(1 < 2 & 0 | 1) + (0 & 0 < 1) * 10", "1"},
        {"(1 ? 0 : 1 & 0) + (2e-10 ? 1 : 2) + (5e-11 ? 10 : 20)", "21"},
        {"(1 = 1 + 1e-11) + (1 != 1.1) + (2 >= 2) + (2 <= 1) + !0.5 + !0", "4"},
        {"(2 + 3 < 4 ? 1 : 0 ? 3 : 4)", "4"},
        {"pi + tau + true + yes + on + false + no + off", "3 * pi + 3"},
        {"abs(-2) + ceil(1.2) + floor(-1.2) + int(-2.5) + mod(-7, 3) + div(-7, 2)", "-4"},
        {"sqrt(16) + pow(2, 3) + exp(0) + ln(1) + log(1000) + max(1, 5, 3) + min(4, 2)", "23"},
        {"degrees(pi) + radians(180) + atan2(1, 1) * 4 + acos(1) + asin(0) + atan(0)",
         "180 + 2 * pi"},
        {"cos(0) + sin(0) + tan(0) + cosh(0) + sinh(0) + tanh(0)", "2"},
        {"vlength(<3, 4>) + vdot(<1, 2, 3>, <4, 5, 6>)", "37"},
        {"vcross(x, y) + vnormalize(<3, 4, 0>)", "<0.6, 0.8, 1>"},
        {"vrotate(<1, 0, 0>, <0, 90, 30>)", "<0, 0, -1>"},
        {"vaxis_rotate(<1, 0, 0>, <1, 1, 1>, 120)", "<0, 1, 0>"},
        {"select(0, 1, 2, 3) + select(-1, 10, 20) + select(1, 100, 200)", "212"},
        {"concat(str(2.5, 5, 2), \"|\", str(2.5, -6, 1), \"|\", str(7, 0, 0))",
         "\" 2.50|0002.5|7\""},
        {"strlen(\"two\nlines\") + val(\"12.5\")", "21.5"},
        {"array[2][3] {{1, 2, 3}, {4, 5, 6}}", "array[2][3] {{1, 2, 3}, {4, 5, 6}}"},
        {"Undeclared * 2", "Nothing"},
    };
    for (const auto& pair : pairs) {
        const std::string declare = "#declare Result = ";
        SdlValue value = ResultOf(declare + pair.expression + ";");
        SdlValue same = ResultOf(declare + pair.same + ";");
        if (value.kind == SdlValue::Array && same.kind == SdlValue::Array) {
            EXPECT_EQ(value.array->dims, same.array->dims) << pair.expression;
            ASSERT_EQ(value.array->items.size(), same.array->items.size());
            value = value.array->items.back();
            same = same.array->items.back();
        }
        EXPECT_TRUE(SameValue(value, same)) << pair.expression;
    }
}

// What the directives leave, told by the scene's own #debug.
TEST(SdlEvaluationTest, DirectivesChooseRepeatAndScope) {
    TempDir dir;
    PutFile(dir.File("part.inc"), "#declare FromPart = 5;\n#local OnlyThere = 1;\n");
    PutFile(dir.File("deep.inc"), "#include \"part.inc\"\n#debug \"deep \"\n");
    const struct {
        const char* text;
        const char* debug;
    } cases[] = {
        {"#if (0) #debug \"a\" #elseif (1) #debug \"b\" #else #debug \"c\" #end", "b"},
        {"#if (1) #debug \"a\" #elseif (1) #debug \"b\" #end #if (0) #if (1) #end #else "
         "#debug \"c\" #end",
         "ac"},
        {"#declare D = 1; #ifdef (D) #debug \"d\" #end #ifndef (E) #debug \"e\" #end "
         "#undef D #ifdef (D) #else #debug \"u\" #end",
         "deu"},
        {"#switch (2) #case (1) #debug \"1\" #case (2) #debug \"2\" #range (1, 3) #debug \"r\" "
         "#break #else #debug \"e\" #end #switch (9) #case (1) #else #debug \"E\" #end",
         "2rE"},
        {"#declare K = 0; #while (K < 5) #debug str(K, 0, 0) #declare K = K + 2; #end", "024"},
        {"#for (I, 3, 1, -1) #debug str(I, 0, 0) #end #debug str(I, 0, 0)", "3210"},
        {"#for (I, 1, 9) #if (I = 3) #break #end #debug str(I, 0, 0) #end", "12"},
        {"#macro M(A, optional B) #local L = A; #declare G = A * 2; #ifdef (B) #debug \"B\" "
         "#end #end M(3) M(1, 2) #ifdef (L) #debug \"L\" #end #debug str(G, 0, 0)",
         "B2"},
        {"#macro Twice(Q) #declare Q = Q * 2; #end #declare N = 4; Twice(N) #debug str(N,0,0)",
         "8"},
        {"#macro Sum(N) #if (N > 0) N + Sum(N - 1) #else 0 #end #end #debug str(Sum(4), 0, 0)",
         "10"},
        {"#declare A = array[3]; #declare A[1] = 7; #declare B = A; #declare A[1] = 8; "
         "#debug str(B[1] * 10 + A[1], 0, 0)",
         "78"},
        {"#declare A = array[2] { array[2] {1, 2}, array[3] {3, 4, 5} }; #declare I = 1; "
         "#debug str(A[I][2] * 10 + dimension_size(A, 1), 0, 0)",
         "52"},
        {"#version 3.6; #debug str(version * 10, 0, 0) #declare S = \"two\nlines\"; "
         "#debug S",
         "36two\nlines"},
        {"#include \"deep.inc\" #debug str(FromPart, 0, 0) #ifndef (OnlyThere) #debug \"!\" "
         "#end",
         "deep 5!"},
        {"#include \"colors.inc\" #fopen F \"out.txt\" write #write (F, \"x\") #fclose F "
         "#declare C = rgb <1, 0, 0>; #declare F2 = function(a) { a * 2 } #debug \"ok\"",
         "ok"},
    };
    for (const auto& c : cases) {
        const EvaluatedScene scene = EvaluatePovScene(c.text, dir.Path());
        EXPECT_EQ(scene.error, "") << c.text;
        EXPECT_EQ(scene.debug, c.debug) << c.text;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));
    const EvaluatedScene scene = EvaluatePovScene(std::end(cases)[-1].text, dir.Path());
    ASSERT_EQ(scene.notes.size(), 2u);
    EXPECT_NE(scene.notes[0].find("not beside the scene): colors.inc;"), std::string::npos);
    EXPECT_NE(scene.notes[1].find("#fopen is not run"), std::string::npos);
}

// Past a limit, or at what it cannot evaluate, the evaluation stops with the line.
TEST(SdlEvaluationTest, StopsAtItsLimitsAndSaysWhere) {
    TempDir dir;
    PutFile(dir.File("self.inc"), "#include \"self.inc\"\n#declare After = 1;\n");
    const struct {
        const char* text;
        const char* error;
        bool bound;
    } cases[] = {
        {"\n#while (1)\n#end",
         "line 2: the loop that begins here goes round more than "
         "1,000,000 times in all",
         true},
        {"#macro R(N) R(N + 1) #end\nR(0)", "line 1: macros are invoked more than 100 deep", true},
        {"#for (I, 0, 999999) #declare A = I + I + I + I + I + I + I + I + I + I + I + I; #end",
         "line 1: the scene takes more than 10,000,000 evaluation steps", true},
        {"#include \"self.inc\"", "self.inc line 1: include files are read at most 10 deep", true},
        {"#declare A = array[1e7];", "line 1: an array of more than 1,000,000 elements", true},
        {"#declare A = array[2];\n#declare B = A[2];", "line 2: the index 2 is outside", false},
        {"#if (1)\n#declare A = 1;", "line 1: the block that begins here never ends", false},
        {"#declare A = \"s\" + 1;", "line 1: '+' takes floats and vectors, not a string", false},
        {"#declare A = 1 / 0;", "line 1: the value is not a finite number", false},
        {"#error \"no\"", "line 1: the scene stops with its own error: no", false},
        {"#end", "line 1: #end with no block to end", false},
        {"prism { 0, 1, 2, <0, 0>, <Q, 1> }", "line 1: Q is not declared", false},
        {"#declare S = \"never", "line 1: the string that begins here never ends", false},
    };
    for (const auto& c : cases) {
        const EvaluatedScene scene = EvaluatePovScene(c.text, dir.Path());
        EXPECT_EQ(scene.error.rfind(c.error, 0), 0u) << c.text << "\n" << scene.error;
        EXPECT_EQ(scene.overBound, c.bound) << c.text;
    }
}

}  // namespace
