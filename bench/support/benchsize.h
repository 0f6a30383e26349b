#pragma once

// Takes "--records=N" out of the command line (before the benchmark library sees it) and
// returns N, or `fallback` when it is not given. Every benchmark that works on a generated
// catalogue reads its size this way, so tools/bench.sh can run it at several sizes.
int TakeRecordCount(int &argc, char **argv, int fallback);
