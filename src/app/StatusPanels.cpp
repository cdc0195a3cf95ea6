#include "app/StatusPanels.h"

#include "base/Rounding.h"

std::array<int, 4> statusPanelWidths(int w) {
    return {static_cast<int>(roundHalfEven(w / 10.0 * 4)),
            static_cast<int>(roundHalfEven(w / 10.0 * 5)),
            static_cast<int>(roundHalfEven(w / 10.0)), 50};
}
