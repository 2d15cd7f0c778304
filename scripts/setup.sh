# Installs what Zanfira needs on Debian 12 and builds it into ./build.
# Sourced by scripts/play and scripts/test; set ZANFIRA_PACKAGES_EXTRA for more packages.
set -euo pipefail

ZANFIRA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

zanfira_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    fonts-liberation2 fonts-league-spartan
)

zanfira_install() {
    local missing=()
    for package in "${zanfira_packages[@]}" ${ZANFIRA_PACKAGES_EXTRA:-}; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# zanfira_build DIR [cmake options...]
zanfira_build() {
    local dir=$1
    shift
    cmake -S "$ZANFIRA_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
