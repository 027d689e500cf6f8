#pragma once

// A check box or radio button whose checked state only the toolkit changes: a click reports,
// and the toolkit then sets the state it decided on.
template <typename Button>
class QtOwnedCheck : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
};
