#pragma once
// The width a list box needs to show its longest entry, so that the keep-list windows can give
// their lists a horizontal scroll bar when an entry is wider than the list.
#include "platform/ui/controls.h"

namespace hv {

// The widest entry measured in the list's font, plus 8 pixels of margin; 0 for an empty list.
int ListTextWidth(const ui::ListBox& list);
// Sets the list's horizontal extent to ListTextWidth of it.
void FitHorizontalExtent(ui::ListBox& list);

}  // namespace hv
