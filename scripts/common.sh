# Shared by run.sh and test.sh: installs what a fresh Debian 12 machine lacks and builds.
# Sourced, not run.

# Debian packages the build, the tests and the running tool need.
KRVM640_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils imagemagick
  fonts-wqy-microhei
  clang libclang-rt-14-dev
)

krvm640_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are missing; runs apt-get update only when something is.
krvm640_install_missing() {
  local missing=()
  for pkg in "${KRVM640_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  krvm640_as_root apt-get update -qq
  krvm640_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# krvm640_build DIR [cmake options...]: configures DIR once, then builds it incrementally.
krvm640_build() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir"
}
