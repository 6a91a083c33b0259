# Installs the Debian packages the build, the tests and the program need, when missing.
# Sourced by scripts/run and scripts/test.
ardel_packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev xvfb xauth imagemagick fonts-dejavu-core
    dpkg-dev lintian desktop-file-utils shared-mime-info libxml2-utils appstream libglib2.0-bin
    libarchive-dev libgeographiclib-dev)

ardel_install_missing() {
    local missing=()
    for package in "${ardel_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
