#include "report/CarbonColumns.h"

#include "report/ShortestNumber.h"

namespace quorvel {

QString CarbonColumnsHeader() {
    return QStringLiteral("carbon_activity_cracking,carbon_activity_boudouard,carbon_forms");
}

void AppendCarbonFields(const CarbonSeries& carbon, int i, QStringList& fields) {
    if (!carbon.Known[i]) {
        fields << QString() << QString() << QString();
        return;
    }
    const CarbonActivity activity{carbon.Cracking[i], carbon.Boudouard[i]};
    fields << ShortestNumber(activity.cracking) << ShortestNumber(activity.boudouard)
           << (CarbonCanForm(activity) ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace quorvel
