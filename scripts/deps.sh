# Sourced by run.sh and test.sh: installs the Debian packages the build needs
# when any is missing (as root), or says what to run and stops.
CHROMASMITH_PACKAGES=(qt6-base-dev libpng-dev libgtest-dev libbenchmark-dev cmake ninja-build g++
  clang libclang-rt-14-dev xvfb xdotool x11-apps x11-xserver-utils imagemagick fonts-dejavu-core
  desktop-file-utils libxml2-utils shared-mime-info dpkg-dev fuse-emulator-gtk
  pasmo libspectrum-dev fuse-emulator-utils libjpeg62-turbo-dev libgif-dev libexif-dev pkg-config
  help2man libxcb1-dev opense-basic zlib1g-dev openbox x11-utils
  qt6-l10n-tools qt6-translations-l10n gettext x11-xkb-utils locales)

ensure_deps() {
  local missing=()
  for p in "${CHROMASMITH_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
