#include "ui/main/PrintedPageOrder.h"

#include <algorithm>

namespace quorvel {

QList<int> PrintedPageOrder(int pageCount, const PrintJobChoice& choice) {
    int first = 0;
    int last = pageCount - 1;
    if (choice.fromPage > 0 || choice.toPage > 0) {
        first = std::max(choice.fromPage, 1) - 1;
        last = std::min(choice.toPage > 0 ? choice.toPage : pageCount, pageCount) - 1;
    }
    QList<int> range;
    for (int page = first; page <= last; ++page)
        range.append(page);
    if (choice.lastPageFirst)
        std::reverse(range.begin(), range.end());

    const int copies = std::max(choice.copies, 1);
    QList<int> order;
    if (choice.collate) {
        for (int copy = 0; copy < copies; ++copy)
            order.append(range);
    } else {
        for (int page : range)
            for (int copy = 0; copy < copies; ++copy)
                order.append(page);
    }
    return order;
}

} // namespace quorvel
