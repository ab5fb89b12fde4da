#pragma once

#include <QString>

namespace quorvel {

// Appends one right-aligned field to a table line. A field that fills or outgrows its
// width has no leading blank of its own; it then gets one, so that neighbouring numbers
// never run together and the line can still be read back. Fields that fit keep the
// width their format gives them.
void AppendTableField(QString& line, const QString& field);

} // namespace quorvel
