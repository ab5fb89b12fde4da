#include "report/ApproachHeader.h"

#include "report/NumberFormat.h"

namespace quorvel {

QString ApproachHeaderLine(const ApproachToEquilibrium& approach, QChar decimalSeparator) {
    if (ApproachIsZero(approach)) {
        return QString();
    }
    return QString::fromUtf16(u"Приближение к равновесию: конверсия метана %1 K, конверсия CO %2 K")
        .arg(FormatGeneral(approach.Reforming, decimalSeparator),
             FormatGeneral(approach.Shift, decimalSeparator));
}

} // namespace quorvel
