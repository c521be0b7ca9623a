// Owner-drawn flat push button with images (to be completed).
#pragma once

namespace vantora::notes {

class FlatBitmapButton {
public:
    virtual ~FlatBitmapButton() = default;
};

} // namespace vantora::notes
