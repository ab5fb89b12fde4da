#include "report/ConstantsHeader.h"

namespace quorvel {

QString ConstantsHeaderLine(ConstantsSource source) {
    if (source == ConstantsSource::Standard) {
        return QString::fromUtf16(u"Константы равновесия: стандартные данные NASA");
    }
    return QString();
}

} // namespace quorvel
