#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interchange/PovImport.h"
#include "interchange/SceneObjectList.h"

// The objects of a scene that the import can reach, as the chooser lists them.
namespace {

std::string Listed(const std::string& text) {
    std::string listed;
    for (const SceneObject& object : ListSceneObjects(text)) {
        listed += object.kind + " " + object.name + " " + std::to_string(object.line) + " " +
                  std::to_string(object.points) + ";";
    }
    return listed;
}

TEST(SceneObjectListTest, ListsTheFirstObjectAndEveryDeclaredOneThatImports) {
    const std::string triangle = "{ 4, <0,0>, <1,0>, <0,1>, <0,0> }\n";
    struct Case {
        std::string text;
        std::string listed;
        bool holds;
    } cases[] = {
        {"camera { location <0,0,-5> }\nsphere { 0, 1 }\n", "", false},
        {"// prism { in a comment\n\"polygon { in a string\"\n", "", false},
        {"polygon " + triangle, "polygon  1 3;", true},
        // The first object read under its name is listed once, by its name.
        {"#declare A = polygon " + triangle + "#local B = prism { 0, 1, " + triangle.substr(2),
         "polygon A 1 3;prism B 2 3;", true},
        // An unnamed first object, then declared ones; a name's later declaration is not the
        // one the importer reads, and an object of expressions does not import.
        {"object {\n prism { 0, 1, 4, <0,0>, <1,0>, <0,1>, <0,0> } }\n"
         "#declare C = lathe { 3, <0,0>, <1,1>, <0,2> }\n"
         "#declare C = sor { 4, <0,0>, <1,1>, <1,2>, <0,3> }\n"
         "#declare D = polygon { 3, <0,0>, <1,0>, <x,1> }\n",
         "prism  2 3;lathe C 3 3;", true},
        // A name declared first as a number is not the object's: the object is reached as the
        // first one.
        {"#declare R = 2;\n#declare R = polygon " + triangle, "polygon  2 3;", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.text), c.listed) << c.text;
        EXPECT_EQ(HoldsSceneObject(c.text), c.holds) << c.text;
    }
}

// Every object listed imports under its name, with the points listed; the list stops at its
// limit however many a scene declares.
TEST(SceneObjectListTest, EveryListedObjectImportsAndTheListIsBounded) {
    std::string text;
    for (size_t k = 0; k < MaxListedObjects + 10; ++k) {
        text +=
            "#declare P" + std::to_string(k) + " = polygon { " + std::to_string(k % 5 + 4) + ",";
        for (size_t j = 0; j < k % 5 + 3; ++j) {
            text += " <" + std::to_string(j) + "," + std::to_string(j * j % 7) + ">,";
        }
        text += " <0,0> }\n";
    }
    const std::vector<SceneObject> objects = ListSceneObjects(text);
    ASSERT_EQ(objects.size(), MaxListedObjects);
    for (const SceneObject& object : objects) {
        Outline outline;
        ImportReport report;
        ASSERT_TRUE(ImportPovScene(text, object.name.c_str(), outline, report)) << object.name;
        ASSERT_EQ(outline.sets.size(), 1u);
        EXPECT_EQ(static_cast<int>(outline.sets[0].points.size()), object.points);
    }
}

}  // namespace
