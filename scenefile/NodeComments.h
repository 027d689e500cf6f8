#pragma once

#include <cstring>

#include "model/Drawing.h"

// The comments that follow a bezier node's point line when the node is not a corner.
constexpr const char* SmoothNode = " //node smooth";
constexpr const char* SymmetricNode = " //node symmetric";

// The node type a point line names; a line without one is a corner's.
inline NodeType NodeTypeOfLine(const char* line) {
    const char* comment = std::strstr(line, " //node ");
    if (comment == nullptr) {
        return NodeType::Corner;
    }
    if (std::strcmp(comment, SmoothNode) == 0) {
        return NodeType::Smooth;
    }
    return std::strcmp(comment, SymmetricNode) == 0 ? NodeType::Symmetric : NodeType::Corner;
}
