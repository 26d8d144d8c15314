#include "catalogue/MmsCatalogue.h"

namespace mms {

const OperatorCatalogue<MmsOperatorParams> &MmsCatalogue()
{
    static constexpr OperatorCatalogue<MmsOperatorParams> catalogue(kMmsCountries, kMmsOperators);
    return catalogue;
}

} // namespace mms
