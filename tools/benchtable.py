#!/usr/bin/env python3
"""Runs the benchmarks named on the command line at several sizes; see tools/bench.sh."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

bench_dir, targets = sys.argv[1], sys.argv[2].split()
sizes = [int(a) for a in sys.argv[3:]] or [10_000, 100_000, 1_000_000]
work = tempfile.mkdtemp(prefix="tavikon-benchrun-", dir="/var/tmp")
rows = []


def run(argv, env=None, stdout=subprocess.DEVNULL):
    """Runs argv; returns (seconds, peak RSS in KiB, exit status)."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, stdout=stdout, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    return time.perf_counter() - start, usage.ru_maxrss, proc.returncode


def best_of(argv, times=5, **kw):
    results = [run(argv, **kw) for _ in range(times)]
    return min(r[0] for r in results), max(r[1] for r in results)


def fmt_time(seconds):
    if seconds < 0.01:
        return f"{seconds * 1000:.3f} ms"
    return f"{seconds * 1000:.1f} ms" if seconds < 10 else f"{seconds:.1f} s"


def cases(exe, env):
    # Listing must not make the scan tree of the real size at the wrong size.
    env = {k: v for k, v in env.items() if k != "SCAN_BENCH_TREE"}
    out = subprocess.run([exe, "--records=1000", "--benchmark_list_tests"], env=env,
                         capture_output=True, text=True, check=True).stdout
    return [line.strip() for line in out.splitlines() if line.strip()]


def bench(name, size, env):
    exe = os.path.join(bench_dir, name)
    for case in cases(exe, env):
        out = os.path.join(work, "out.json")
        pattern = "^" + case + "$"
        _, peak, code = run([exe, f"--records={size}", f"--benchmark_filter={pattern}",
                             f"--benchmark_out={out}", "--benchmark_out_format=json"], env=env)
        if code != 0 or not os.path.exists(out):
            rows.append((name, case, size, "failed", "", f"exit {code}"))
            continue
        with open(out) as f:
            data = json.load(f)
        os.unlink(out)
        for b in data["benchmarks"]:
            if b.get("error_occurred"):
                rows.append((name, case, size, "error", "", b.get("error_message", "")))
                continue
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            extra = ", ".join(f"{k}={b[k]:.4g}" for k in
                              ("MB", "records", "rows", "files", "heap_B_per_record",
                               "rss_B_per_record", "window_heap_MB") if k in b)
            rows.append((name, case, size, fmt_time(b["real_time"] * scale),
                         f"{peak / 1024:.0f} MiB", extra))


def baselines(size, env):
    home = os.path.join(work, f"home-{size}")
    subprocess.run([os.path.join(bench_dir, "store_bench"), f"--records={size}",
                    f"--write-catalogue={home}"], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    data = os.path.join(home, "Data")
    files = [os.path.join(data, n) for n in ("Data.dat", "FileData.dat", "Cat.dat", "Tree.tkdt")]
    total = sum(os.path.getsize(f) for f in files)
    t, m = best_of(["cat"] + files, stdout=subprocess.DEVNULL)
    rows.append(("baseline", "cat of the four catalogue files", size, fmt_time(t),
                 f"{m / 1024:.1f} MiB", f"MB={total / 1e6:.4g}"))
    dest = os.path.join(work, "cp-dest")
    os.makedirs(dest, exist_ok=True)
    t, m = best_of(["cp"] + files + [dest])
    rows.append(("baseline", "cp of the four catalogue files", size, fmt_time(t),
                 f"{m / 1024:.1f} MiB", "no fsync"))
    names = os.path.join(home, "names.txt")
    # grep stops at the first match when its output goes to /dev/null, so it writes to a pipe.
    t, m = best_of(["grep", "-F", "-c", "-i", "concert_", names], stdout=subprocess.PIPE)
    rows.append(("baseline", "grep -F -c -i over the file names", size, fmt_time(t),
                 f"{m / 1024:.1f} MiB", f"names={size}"))
    shutil.rmtree(home)


def search_baselines(size, env):
    # The same names the search benchmark searches, one a line, and the same pattern.
    names = os.path.join(work, f"names-{size}")
    subprocess.run([os.path.join(bench_dir, "search_bench"), f"--records={size}",
                    f"--write-names={names}"], env=env, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    for kind in ("generated", "real"):
        path = os.path.join(names, kind + ".txt")
        t, m = best_of(["grep", "-F", "-c", "-i", "con", path], stdout=subprocess.PIPE)
        hits = subprocess.run(["grep", "-F", "-c", "-i", "con", path], capture_output=True,
                              text=True).stdout.strip()
        rows.append(("baseline", f"grep -F -c -i con over the {kind} names", size, fmt_time(t),
                     f"{m / 1024:.1f} MiB", f"rows={hits}"))
    shutil.rmtree(names)


def scan(size, env):
    # The scan dialog offers the tree as a drive whose label starts with BENCH.
    tree = os.path.join(work, f"scan-{size}", "BENCH")
    env = dict(env, SCAN_BENCH_TREE=tree)
    # The first run makes the tree; find then reads the same one, warm like the walk.
    bench("scan_bench", size, env)
    t, m = best_of(["find", tree, "-type", "f"], times=3)
    rows.append(("baseline", "find over the scan tree", size, fmt_time(t),
                 f"{m / 1024:.1f} MiB", f"files={size}"))
    shutil.rmtree(os.path.dirname(tree))


def images(size, env):
    # The image and the zip are made first, so the tools making them count in no peak.
    made = os.path.join(work, f"images-{size}")
    os.makedirs(made, exist_ok=True)
    subprocess.run([os.path.join(bench_dir, "image_bench"), f"--records={size}"],
                   env=dict(env, IMAGE_BENCH_MAKE=made), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    iso, zip_ = os.path.join(made, "bench.iso"), os.path.join(made, "bench.zip")
    bench("image_bench", size, dict(env, IMAGE_BENCH_ISO=iso, IMAGE_BENCH_ZIP=zip_))
    for name, path, count in (("image", iso, size // 5), ("zip", zip_, size // 10)):
        t, m = best_of(["bsdtar", "-tvf", path], times=3)
        rows.append(("baseline", f"bsdtar -tvf of the {name}", size, fmt_time(t),
                     f"{m / 1024:.1f} MiB", f"files={count}"))
    shutil.rmtree(made)


try:
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for size in sizes:
        baselines(size, env)
        for name in targets:
            if name == "scan_bench":
                scan(size, env)
            elif name == "image_bench":
                images(size, env)
            elif name == "search_bench":
                search_baselines(size, env)
                bench(name, size, env)
            else:
                bench(name, size, env)
finally:
    shutil.rmtree(work, ignore_errors=True)

load = os.getloadavg()
lines = [f"Load average at the end: {load[0]:.2f} {load[1]:.2f} {load[2]:.2f} "
         f"on {os.cpu_count()} cores.", "",
         "| benchmark | case | records | time | peak RSS | notes |",
         "|---|---|---:|---:|---:|---|"]
for name, case, size, t, m, extra in sorted(rows, key=lambda r: (r[0] == "baseline", r[0], r[1], r[2])):
    lines.append(f"| {name} | {case} | {size:,} | {t} | {m} | {extra} |")
text = "\n".join(lines) + "\n"
print(text)
if os.environ.get("BENCH_OUT"):
    with open(os.environ["BENCH_OUT"], "w") as f:
        f.write(text)
