#include "ui/list_text_width.h"

#include <algorithm>

namespace hv {

int ListTextWidth(const ui::ListBox& list) {
    int widest = 0;
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, list.measureTextWidth(list.text(i)) + 8);
    return widest;
}

void FitHorizontalExtent(ui::ListBox& list) {
    list.setHorizontalExtent(ListTextWidth(list));
}

}  // namespace hv
