#include "tubegen/stored_boxes.h"

namespace tubegen {

std::string StoredBoxes::Text(Box box) const {
    auto it = texts_.find(box);
    return it == texts_.end() ? std::string() : it->second;
}

}  // namespace tubegen
