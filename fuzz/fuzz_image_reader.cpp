#include "media/imagereader.h"

#include <cstddef>
#include <cstdint>

// Disc images (UDF, ISO 9660) with the archives on them: whatever the bytes, the reader ends,
// stays within its limits and gives no name that could climb out of a folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ImageOptions options;
    options.bLookInside = true;
    options.limits.maxEntries = 20000;
    options.limits.maxArchiveEntries = 5000;
    options.limits.maxDepth = 32;
    const ImageContents contents
        = ReadImageBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)),
                         options);
    if (!contents.bOk)
        return 0;
    const EntryTree &tree = *contents.tree;
    if (tree.Count() > options.limits.maxEntries)
        __builtin_trap();
    for (qsizetype i = 1; i < tree.Count(); ++i) {
        const QByteArray &name = tree.At(int(i)).native;
        if (name.isEmpty() || name == "." || name == ".." || tree.At(int(i)).size < 0)
            __builtin_trap();
    }
    return 0;
}
