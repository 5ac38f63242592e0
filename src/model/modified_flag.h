#pragma once
// Tells whether the unit's lists or log changed since the project was last
// saved or loaded. Lists set it; the file commands clear it.

namespace dorvik {

class ModifiedFlag {
public:
    void Set() { set_ = true; }
    void Clear() { set_ = false; }
    bool IsSet() const { return set_; }

private:
    bool set_ = false;
};

}  // namespace dorvik
