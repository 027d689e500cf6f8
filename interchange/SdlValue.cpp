#include "interchange/SdlValue.h"

#include <algorithm>

#include "interchange/SdlArray.h"

SdlValue SdlValue::Number(double number) {
    SdlValue value;
    value.kind = Float;
    value.v[0] = number;
    return value;
}

SdlValue SdlValue::Components(const double* components, int count) {
    SdlValue value;
    value.kind = Vector;
    value.size = std::min(count, MaxComponents);
    std::copy(components, components + value.size, value.v.begin());
    return value;
}

SdlValue SdlValue::Text(std::string text) {
    SdlValue value;
    value.kind = String;
    value.text = std::move(text);
    return value;
}

SdlValue SdlValue::Unusable(std::string why) {
    SdlValue value;
    value.text = std::move(why);
    return value;
}

SdlValue SdlValue::Elements(SdlArray elements) {
    SdlValue value;
    value.kind = Array;
    value.array = std::make_shared<SdlArray>(std::move(elements));
    return value;
}

SdlValue SdlValue::Promoted(int count) const {
    SdlValue promoted = *this;
    promoted.kind = Vector;
    promoted.size = std::max(size, std::min(count, MaxComponents));
    for (int i = size; i < promoted.size; ++i) {
        promoted.v[static_cast<size_t>(i)] = kind == Float ? v[0] : 0.0;
    }
    return promoted;
}

SdlArray& SdlValue::OwnArray() {
    if (array.use_count() > 1) {
        array = std::make_shared<SdlArray>(*array);
    }
    return *array;
}

const char* SdlValue::Describe() const {
    static const char* const names[] = {"a float", "a vector", "a string", "an array",
                                        "a value the importer does not evaluate"};
    return names[kind];
}
