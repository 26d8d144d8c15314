#include "MmsCatalogue.h"

const OperatorCatalogue<MmsOperatorParams> &MmsCatalogue()
{
    static const OperatorCatalogue<MmsOperatorParams> catalogue(kMmsCountries, kMmsOperators);
    return catalogue;
}
