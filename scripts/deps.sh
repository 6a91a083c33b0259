# Installs the Debian packages the build, the tests and the program need, when missing.
# Sourced by scripts/run and scripts/test.
ardel_packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev xvfb xauth imagemagick fonts-dejavu-core
    dpkg-dev lintian cmark xdotool x11-utils desktop-file-utils shared-mime-info libxml2-utils appstream libglib2.0-bin
    libarchive-dev libgeographiclib-dev)
# The Windows cross-build of the logic and its tests, which run under Wine.
ardel_windows_packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 dpkg-dev xz-utils
    debian-archive-keyring)

# Installs the named packages, or else ardel_packages, where missing.
ardel_install_missing() {
    local wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${ardel_packages[@]}")
    local missing=()
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
