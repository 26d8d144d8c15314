#include "OperatorCatalogue.h"

QString MakeOperatorKey(const QString &country, const QString &operatorName)
{
    return country + QStringLiteral("--") + operatorName;
}
