#pragma once

#include <QList>

namespace quorvel {

// What the print dialog asked for, as the printer holds it after the dialog.
struct PrintJobChoice {
    int fromPage = 0; // 1-based first and last page of the range; 0 and 0: all pages
    int toPage = 0;
    int copies = 1;      // copies the program must print itself
    bool collate = true; // whole copies one after another, rather than each page n times
    bool lastPageFirst = false;
};

// The pages to print, as 0-based indices into the laid-out pages, in printing order:
// the chosen range (cut to the pages there are), reversed when the last page is to come
// first, repeated for each copy, collated or page by page. Empty when the range holds
// no page of the table.
QList<int> PrintedPageOrder(int pageCount, const PrintJobChoice& choice);

} // namespace quorvel
