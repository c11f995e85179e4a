# Shared by ./run and ./test (sourced, not run): installs the Debian packages
# the build needs when they are missing, and configures build folders.

TAVORO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libtinyxml-dev libboost-regex-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev
  qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-qpa-plugins fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev libcli11-dev nlohmann-json3-dev
  clang libclang-rt-14-dev libjpeg-turbo-progs xvfb xauth x11-utils ccache openbox
  xdotool xclip jq
  libzip-dev python3 poppler-utils chromium
)

# dpkg -s per package first, so that a second run costs nothing.
install_packages() {
  local missing=() p
  for p in "${TAVORO_PACKAGES[@]}"; do
    dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing Debian packages: ${missing[*]}"
  if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"; then
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
}

# configure_build DIR [cmake options...]: configures DIR with Ninja once, and
# again only when the options change; later builds are incremental.
configure_build() {
  local dir=$1
  shift
  local wanted="$*"
  if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/.tavoro-options" 2>/dev/null)" = "$wanted" ]; then
    return 0
  fi
  cmake -S "$TAVORO_ROOT" -B "$dir" -G Ninja "$@"
  printf '%s' "$wanted" >"$dir/.tavoro-options"
}
