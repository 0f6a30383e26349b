#!/usr/bin/env bash
# Takes screenshots of the main window under a virtual X server: 1366x768 and 1920x1080, each
# with the light and the dark palette, into the folder given as the first argument; and of
# the scan dialog during and after a scan and of the first-start dialog, in both palettes.
#
#   tools/screenshots.sh OUTDIR [--binary PATH] [--home DIR] [--help]
#
# --binary  the program to run (default: build/dev/tavikon, else build/release/tavikon)
# --home    an existing home directory with a catalogue; without it a demonstration catalogue
#           of six discs with long names is laid out in a temporary folder (tools/demohome.cpp)
# --help    also puts the pictures the help page shows into src/resources/help/images/
#
# The look: QT_STYLE_OVERRIDE=Fusion gives the same style on every machine, and the program
# reads TAVIKON_PALETTE=light|dark to put Qt's light or our dark palette on the application.
# chrome-light.png and chrome-dark.png show the buttons in all their states, the sort arrow and
# the frame menu on their own.
# There is no window manager under Xvfb, so the window is placed over the whole screen with
# Qt's -geometry option instead of being maximised.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 OUTDIR [--binary PATH] [--home DIR]}"
shift
binary=""
home=""
help=""
while [ $# -gt 0 ]; do
    case "$1" in
        --binary) binary="$2"; shift 2 ;;
        --home) home="$2"; shift 2 ;;
        --help) help=1; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done
if [ -z "$binary" ]; then
    for candidate in "$here/build/dev/tavikon" "$here/build/release/tavikon"; do
        [ -x "$candidate" ] && binary="$candidate" && break
    done
fi
[ -x "${binary:-}" ] || { echo "no tavikon binary found; build first or pass --binary" >&2; exit 1; }
for tool in xvfb-run import xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (packages xvfb, imagemagick, x11-utils)" >&2; exit 1; }
done
mkdir -p "$out"
out="$(cd "$out" && pwd)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ -z "$home" ]; then
    # A real catalogue of five discs, written by the store itself.
    build_dir="$(dirname "$binary")"
    cmake --build "$build_dir" --target tavikon_demohome >/dev/null
    home="$("$build_dir/tavikon_demohome" "$work/home")"
fi
case "$home" in */) ;; *) home="$home/" ;; esac

shoot() { # width height palette
    local w="$1" h="$2" palette="$3"
    local config="$work/config-$w-$palette"
    mkdir -p "$config/tavikon"
    printf '%s' "$home" > "$config/tavikon/Path.dat"
    printf '%s' "${home}DataBackUp" > "$config/tavikon/PathBackUp.dat"
    local png="$out/tavikon-${w}x${h}-${palette}.png"
    # xvfb-run -a can lose the race for a display number to another X server starting at
    # the same moment; try again rather than keep a black picture.
    local attempt
    for attempt in 1 2 3; do
        rm -f "$png"
        run_once "$config" "$w" "$h" "$palette" "$png" && [ -s "$png" ] && break
        sleep 1
    done
    echo "$png"
}

run_once() { # config width height palette png
    local config="$1" w="$2" h="$3" palette="$4" png="$5"
    XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Fusion \
        TAVIKON_PALETTE="$palette" QT_ACCESSIBILITY=0 \
        xvfb-run -a -s "-screen 0 ${w}x${h}x24" bash -c '
            "$1" -geometry "$2x$3+0+0" >"$5.log" 2>&1 &
            pid=$!
            # Wait for the main window to be mapped, then give it a moment to paint.
            for _ in $(seq 1 100); do
                xwininfo -root -tree 2>/dev/null | grep -q "Tavikon" && break
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            sleep 1.5
            import -window root "$4"
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            grep -q "could not connect to display" "$5.log" && exit 1
            exit 0
        ' shoot "$binary" "$w" "$h" "$png" "$work/$(basename "${png%.png}")"
}

for size in 1366x768 1920x1080; do
    for palette in light dark; do
        shoot "${size%x*}" "${size#*x}" "$palette"
    done
done

# The chrome on its own, every button state, the header arrow and two open menus: built from
# the same build folder as the program when it is a CMake build folder.
build_dir="$(dirname "$binary")"
if [ -f "$build_dir/CMakeCache.txt" ] &&
    cmake --build "$build_dir" --target tavikon_chrome_preview >/dev/null 2>&1; then
    preview="$(find "$build_dir" -name tavikon_chrome_preview -type f -perm -u+x | head -n 1)"
    for palette in light dark; do
        QT_STYLE_OVERRIDE=Fusion TAVIKON_PALETTE="$palette" QT_QPA_PLATFORM=offscreen \
            "$preview" "$out/chrome-$palette.png" >/dev/null 2>&1 &&
            echo "$out/chrome-$palette.png"
    done
fi

# The dialogs, drawn by the program's own classes under the same virtual X server and style.
if [ -f "$build_dir/CMakeCache.txt" ] &&
    cmake --build "$build_dir" --target tavikon_dialogshots >/dev/null 2>&1; then
    dialogs="$(find "$build_dir" -name tavikon_dialogshots -type f -perm -u+x | head -n 1)"
    for palette in light dark; do
        mkdir -p "$work/dialogs-$palette"
        QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Fusion TAVIKON_PALETTE="$palette" QT_ACCESSIBILITY=0 \
            xvfb-run -a -s "-screen 0 1366x768x24" "$dialogs" "$work/dialogs-$palette" \
            >/dev/null 2>"$work/dialogs-$palette.log" || cat "$work/dialogs-$palette.log" >&2
        for picture in "$work/dialogs-$palette"/*.png; do
            [ -f "$picture" ] || continue
            name="$(basename "$picture" .png)"
            cp "$picture" "$out/$name-$palette.png"
            echo "$out/$name-$palette.png"
        done
    done
fi

if [ -n "$help" ]; then
    images="$here/src/resources/help/images"
    mkdir -p "$images"
    for picture in tavikon-1366x768-light tavikon-1920x1080-dark scan-during-light \
        scan-after-light first-start-light; do
        [ -f "$out/$picture.png" ] && cp "$out/$picture.png" "$images/$picture.png"
    done
    echo "help pictures in $images"
fi
