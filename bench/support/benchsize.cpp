#include "support/benchsize.h"

#include <cstdlib>
#include <cstring>

int TakeRecordCount(int &argc, char **argv, int fallback)
{
    int value = fallback;
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--records=", 10) == 0) {
            const long n = std::strtol(argv[i] + 10, nullptr, 10);
            if (n > 0)
                value = int(n);
            continue;
        }
        argv[out++] = argv[i];
    }
    argc = out;
    argv[argc] = nullptr;
    return value;
}
