#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "interchange/SdlValue.h"

// The identifiers of the scene language, in a stack of tables: the global one at the bottom,
// one more for each macro being run and each include file being read. A name is looked up from
// the top down, as the ray tracer does, so that a macro sees its caller's local identifiers.
class SdlScopes {
public:
    SdlScopes() : _tables(1) {}

    const SdlValue* Find(std::string_view name) const;
    SdlValue* Find(std::string_view name);
    // #declare: changes the nearest identifier of that name, else makes a global one.
    void Declare(std::string_view name, SdlValue value);
    // #local: in the top table.
    void Local(std::string_view name, SdlValue value);
    void Undefine(std::string_view name);
    void Push() { _tables.emplace_back(); }
    void Pop();
    size_t Depth() const { return _tables.size(); }

private:
    using Table = std::unordered_map<std::string, SdlValue>;
    std::vector<Table> _tables;
};
