# Shared by scripts/run and scripts/test: installs the Debian packages the
# program needs when they are missing (apt-get as root, through sudo otherwise).
# Safe to run again: installed packages are left alone.

# qt6-base-dev brings the Qt SQL headers; libqt6sql6-sqlite and libqt6sql6-psql are
# the SQLite and PostgreSQL drivers that yrn-tool export-sqlite and sync load at run
# time; the tests run a PostgreSQL server of their own (postgresql).
yrn_packages=(cmake make g++ qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql postgresql libgl-dev
              libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)

yrn_install_missing() {
    local missing=()
    for p in "${yrn_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

yrn_build() {
    local dir=$1
    shift
    cmake -S "$yrn_root" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
