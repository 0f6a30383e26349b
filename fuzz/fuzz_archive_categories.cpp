#include "store/archive.h"

#include <cstddef>
#include <cstdint>

// Cat.dat: any bytes end in names or a clean failure, and names read are written back whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList names;
    const QByteArrayView bytes(data, qsizetype(size));
    if (ReadStringList(bytes, names).ok()) {
        QStringList again;
        if (!ReadStringList(WriteStringList(names), again).ok() || again != names)
            __builtin_trap();
    }
    return 0;
}
