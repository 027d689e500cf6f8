#include "interchange/SdlScopes.h"

const SdlValue* SdlScopes::Find(std::string_view name) const {
    const std::string key(name);
    for (auto table = _tables.rbegin(); table != _tables.rend(); ++table) {
        auto found = table->find(key);
        if (found != table->end()) {
            return &found->second;
        }
    }
    return nullptr;
}

SdlValue* SdlScopes::Find(std::string_view name) {
    return const_cast<SdlValue*>(static_cast<const SdlScopes&>(*this).Find(name));
}

void SdlScopes::Declare(std::string_view name, SdlValue value) {
    SdlValue* existing = Find(name);
    if (existing != nullptr) {
        *existing = std::move(value);
    } else {
        _tables.front()[std::string(name)] = std::move(value);
    }
}

void SdlScopes::Local(std::string_view name, SdlValue value) {
    _tables.back()[std::string(name)] = std::move(value);
}

void SdlScopes::Undefine(std::string_view name) {
    const std::string key(name);
    for (auto table = _tables.rbegin(); table != _tables.rend(); ++table) {
        if (table->erase(key) > 0) {
            return;
        }
    }
}

void SdlScopes::Pop() {
    if (_tables.size() > 1) {
        _tables.pop_back();
    }
}
