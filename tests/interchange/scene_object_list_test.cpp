#include <gtest/gtest.h>

#include <string>

#include "interchange/PovImport.h"
#include "interchange/SceneObjectList.h"

// The objects of a scene that the import reaches, as the chooser lists them.
namespace {

TEST(SceneObjectListTest, ListsTheFirstObjectAndEveryDeclaredOneThatImports) {
    const std::string tri = "{ 4, <0,0>, <1,0>, <0,1>, <0,0> }\n";
    const struct {
        std::string text;
        std::string listed;
        bool holds;
    } cases[] = {
        {"sphere { 0, 1 } // prism {\n\"polygon {\"", "", false},
        {"polygon " + tri, "polygon  1 3;", true},
        // The first object, declared, is listed once, by its name.
        {"#declare A = polygon " + tri + "#local B = prism { 0, 1, " + tri.substr(2),
         "polygon A 1 3;prism B 2 3;", true},
        // A name's later declaration is not the one the importer reads, nor does an object of
        // expressions import; a name declared first as a number leaves its object the first.
        {"object { prism { 0, 1, 4, <0,0>, <1,0>, <0,1>, <0,0> } }\n"
         "#declare C = lathe { 3, <0,0>, <1,1>, <0,2> }\n#declare C = sor " +
             tri + "#declare D = polygon { 3, <0,0>, <1,0>, <x,1> }\n",
         "prism  1 3;lathe C 2 3;", true},
        {"#declare R = 2;\n#declare R = polygon " + tri, "polygon  2 3;", true},
    };
    for (const auto& c : cases) {
        std::string listed;
        for (const SceneObject& object : ListSceneObjects(c.text)) {
            listed += object.kind + " " + object.name + " " + std::to_string(object.line) + " " +
                      std::to_string(object.points) + ";";
        }
        EXPECT_EQ(listed, c.listed) << c.text;
        EXPECT_EQ(HoldsSceneObject(c.text), c.holds) << c.text;
    }
}

// Every object listed imports under its name with the points listed; the list stops at its
// limit however many objects a scene declares.
TEST(SceneObjectListTest, EveryListedObjectImportsAndTheListIsBounded) {
    std::string text;
    for (size_t k = 0; k < MaxListedObjects + 10; ++k) {
        text += "#declare P" + std::to_string(k) + " = polygon { " + std::to_string(k % 5 + 4);
        for (size_t j = 0; j < k % 5 + 3; ++j) {
            text += ", <" + std::to_string(j) + "," + std::to_string(j * j % 7) + ">";
        }
        text += ", <0,0> }\n";
    }
    const std::vector<SceneObject> objects = ListSceneObjects(text);
    ASSERT_EQ(objects.size(), MaxListedObjects);
    for (const SceneObject& object : objects) {
        Outline outline;
        ImportReport report;
        ASSERT_TRUE(ImportPovScene(text, object.name.c_str(), outline, report)) << object.name;
        EXPECT_EQ(static_cast<int>(outline.sets.at(0).points.size()), object.points);
    }
}

}  // namespace
