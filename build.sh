#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the program on a
# demo archive ("demo"), runs every test ("test"), or puts the program into a
# folder of one's own with an empty archive ("install DIR").
set -euo pipefail

aufrufer=$PWD
cd "$(dirname "$0")"
aufgabe=${1:-}
build=${BUILD_DIR:-build}

pakete=(cmake ninja-build g++ pkg-config qt6-base-dev libpulse-dev qt6-translations-l10n
        libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev fonts-liberation)

installieren() {
    local fehlt=()
    for paket in "${pakete[@]}"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "ok installed" || fehlt+=("$paket")
    done
    if ((${#fehlt[@]})); then
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo=sudo
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${fehlt[@]}"
    fi
}

bauen() {
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIEHBUCH_WERROR=ON "$@"
    cmake --build "$build"
}

shift || true
case "$aufgabe" in
demo)
    installieren
    bauen
    # The program keeps its files in its own folder: copy it into the demo folder.
    mkdir -p "$build/demo"
    cp "$build/ziehbuch" "$build/demo/ziehbuch"
    "$build/tools/demoarchiv" "$build/demo"
    exec "$build/demo/ziehbuch"
    ;;
test)
    installieren
    bauen "$@"
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --test-dir "$build" --output-on-failure
    ;;
install)
    ordner=${1:?"usage: $0 install DIR"}
    # A relative DIR is meant from the caller's folder.
    [[ $ordner == /* ]] || ordner=$aufrufer/$ordner
    ordner=$(realpath -m -s -- "$ordner")
    if ! mkdir -p -- "$ordner" 2>/dev/null || [[ ! -w $ordner ]]; then
        echo "cannot write to $ordner" >&2
        exit 1
    fi
    installieren
    bauen
    # Copied beside it and renamed over it, so that a running program is
    # replaced rather than written into.
    neu=$ordner/.ziehbuch.$$
    if ! cp -- "$build/ziehbuch" "$neu" || ! mv -f -- "$neu" "$ordner/ziehbuch"; then
        rm -f -- "$neu"
        echo "cannot write the program into $ordner" >&2
        exit 1
    fi
    # An archive already there is kept.
    [[ -e "$ordner/ziehbuch.dat" ]] || : >"$ordner/ziehbuch.dat"
    echo "Start the program with $ordner/ziehbuch"
    ;;
*)
    echo "usage: $0 demo|test|install DIR" >&2
    exit 2
    ;;
esac
