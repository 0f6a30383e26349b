#include "store/archive.h"

#include <cstddef>
#include <cstdint>

// FileData.dat: any bytes end in file records or a clean failure.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFileList files;
    const StoreResult result = ReadFileList(QByteArrayView(data, qsizetype(size)), files);
    if (result.ok())
        (void)WriteFileList(files);
    return 0;
}
