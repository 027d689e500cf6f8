#pragma once

#include <string>
#include <vector>

#include "interchange/PovToken.h"

// Splits POV-Ray scene text into tokens with their line numbers, passing over line comments
// and block comments (which nest, as the ray tracer reads them). Ends with an End token.
// False, with the reason, for a comment or string that never ends.
bool TokenizePovScene(const std::string& text, std::vector<PovToken>& tokens, std::string& error);
