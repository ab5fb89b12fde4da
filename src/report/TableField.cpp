#include "report/TableField.h"

namespace quorvel {

void AppendTableField(QString& line, const QString& field) {
    if (!line.isEmpty() && !line.back().isSpace() && !field.isEmpty() && !field.front().isSpace())
        line += QLatin1Char(' ');
    line += field;
}

} // namespace quorvel
