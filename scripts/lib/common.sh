#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: installs what is missing, then configures and builds.

set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

debian_packages=(
    cmake ninja-build g++ pkg-config zsh
    qt6-base-dev qt6-declarative-dev qt6-qpa-plugins
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qtquick-window
    qml6-module-qtqml-workerscript qml6-module-qtqml-models qml6-module-qt-labs-platform
    qml6-module-qtqml qml6-module-qttest qcoro-qt6-dev libplist-dev
    qml6-module-qt-labs-folderlistmodel
    qt6-l10n-tools qt6-tools-dev
    fonts-dejavu-core fonts-material-design-icons-iconfont
    desktop-file-utils appstream
)

# What scripts/package needs beyond the build: dpkg-shlibdeps, and `file`, with which CPack finds
# the executables to ask it about.
packaging_packages=(dpkg-dev file)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing packages needs root, and sudo is not available: run as root, or install: $*" >&2
        exit 1
    fi
}

install_debian_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_homebrew_packages() {
    if ! command -v brew >/dev/null 2>&1; then
        echo "Homebrew is needed to install the build tools: https://brew.sh" >&2
        exit 1
    fi
    local formula
    for formula in cmake ninja pkg-config qt qcoro libplist; do
        brew list --versions "$formula" >/dev/null 2>&1 || brew install "$formula"
    done
    # CMake then finds Qt and QCoro wherever Homebrew lives (/opt/homebrew on Apple silicon).
    export CMAKE_PREFIX_PATH="$(brew --prefix)${CMAKE_PREFIX_PATH:+:$CMAKE_PREFIX_PATH}"
}

ensure_dependencies() {
    case "$(uname -s)" in
        Darwin) install_homebrew_packages ;;
        Linux)
            if command -v apt-get >/dev/null 2>&1; then
                install_debian_packages "${debian_packages[@]}"
            else
                echo "Only Debian and Ubuntu (apt-get) are supported for automatic installs on Linux." >&2
                exit 1
            fi
            ;;
        *) echo "Unsupported system: $(uname -s)" >&2; exit 1 ;;
    esac
}

# Configures a preset's build folder the first time, then builds it: "dev" (the default; debug, with
# the tests) into build/, "release" (optimised, without them) into build-release/.
build() {
    local preset=${1:-dev}
    local folder=build
    [ "$preset" = dev ] || folder="build-$preset"
    cd "$repo_root"
    if [ ! -f "$folder/CMakeCache.txt" ]; then
        # A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
        local launcher=()
        command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        # Spelt so that macOS's bash 3.2 takes an empty list under `set -u`.
        cmake --preset "$preset" ${launcher[@]+"${launcher[@]}"}
    fi
    cmake --build "$folder"
}
