#include "store/archive.h"

#include <cstddef>
#include <cstdint>

// Data.dat: any bytes end in discs or a clean failure.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CDiscList discs;
    const StoreResult result = ReadDiscList(QByteArrayView(data, qsizetype(size)), discs);
    if (result.ok())
        (void)WriteDiscList(discs);
    return 0;
}
