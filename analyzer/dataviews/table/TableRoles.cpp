#include "analyzer/dataviews/table/TableRoles.h"

namespace TableTexts
{
const QString NaN = QStringLiteral("NaN");
const QString Null = QStringLiteral("NULL");
const QVariant NaNValue = QVariant(NaN);
const QVariant NullValue = QVariant(Null);
} // namespace TableTexts
