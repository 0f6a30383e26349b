#include "store/treetext.h"

#include <cstddef>
#include <cstdint>

// Tree.tkdt: every node's parent comes before it, so the tree can always be built.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<TreeTextNode> nodes = ReadTreeText(QByteArrayView(data, qsizetype(size)));
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (nodes[i].parent < -1 || nodes[i].parent >= i)
            __builtin_trap();
    }
    return 0;
}
